#include "settings.h"

#include <QDir>
#include <QStandardPaths>

#include "profilefile.h"

namespace hoshi::settings {

namespace {

QString& folderOverride() {
    static QString folder;
    return folder;
}

QString read(QStringView section, QStringView key, const QString& fallback = {}) {
    return ProfileFile(filePath()).read(section, key, fallback);
}

void write(QStringView section, QStringView key, const QString& value) {
    QDir().mkpath(folder()); // a folder that cannot be made shows as a refused write
    ProfileFile(filePath()).write(section, key, value);
}

} // namespace

void setFolder(const QString& folder) {
    folderOverride() = folder;
}

QString folder() {
    const QString& f = folderOverride();
    // The program's folder whatever the reading program is called (the
    // board printer reads the footer from it too).
    return f.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/Hoshikura")
                       : f;
}

QString filePath() {
    return QDir(folder()).filePath(QString::fromLatin1(fileName));
}

bool soundOn() {
    return read(u"sound", u"check", QStringLiteral("True")) == u"True";
}

void setSoundOn(bool on) {
    write(u"sound", u"check", on ? QStringLiteral("True") : QStringLiteral("False"));
}

QString ownerTitle() {
    return read(u"owner", u"title");
}

void setOwnerTitle(const QString& title) {
    write(u"owner", u"title", title);
}

QString ownerTel() {
    return read(u"owner", u"tel");
}

void setOwnerTel(const QString& tel) {
    write(u"owner", u"tel", tel);
}

} // namespace hoshi::settings
