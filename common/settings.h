#pragma once
// The settings file "hoshimi.ini", the only persistent state of the program.
// Everything that reads or writes a setting goes through these functions;
// each call reads the file anew or writes one key at once.
//
//   section  key     value                       default
//   sound    check   "True" plays the start-up   "True"
//                    tune; anything else is off
//   owner    title   report title, free text     ""
//   owner    tel     telephone number as typed   ""
//
// The file lives in the folder "Hoshikura" of the platform's folder for
// settings (~/.config/Hoshikura on Linux), created at the first write; every
// program of the project reads the same file.
// Writers throw Error "hoshimi.ini に書き込めません" when the write is refused,
// leaving the stored value as it was.

#include <QString>

namespace hoshi::settings {

inline constexpr char fileName[] = "hoshimi.ini";

// Points the settings at another folder (tests); an empty folder goes back
// to the platform's place.
void setFolder(const QString& folder);
QString folder();
QString filePath();

bool soundOn();
void setSoundOn(bool on);

QString ownerTitle();
void setOwnerTitle(const QString& title);

QString ownerTel();
void setOwnerTel(const QString& tel);

} // namespace hoshi::settings
