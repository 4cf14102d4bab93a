#pragma once

// Profile files: the unit's profile table as an INI file in the format of QSettings.
//
// The program reads and writes the text itself, so that it reads exactly the bytes it
// checked, and so that every name the unit holds comes back as it went out (QSettings
// would make a '/' in a name a section separator). Files stay readable by QSettings.
// All keys sit in the general section. "INDEX" holds the active-profile word with
// ACTIVE_PROFILE_MARK in its top byte; every other key is a slot number as two digits
// followed by the profile name, and holds the profile's seven-byte slot record.

#include "profileslots.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <cstdint>
#include <optional>

namespace kest {

/// The most an import reads: a file of 16 profiles takes under 2 KB.
constexpr qint64 PROFILE_FILE_MAX_SIZE = 1024 * 1024;

/// The key that holds the active-profile word.
inline QString profileIndexKey()
{
    return QStringLiteral("INDEX");
}

/// The sections a backup adds to a profile file: the unit's calibration and deadzone
/// tables, one key per pedal ("CLUTCH", "BRAKE", "THROTTLE") holding its low and high
/// bound as two decimal numbers 0..65535 ("1200 64000"), and the clutch mode. An import
/// checks them and otherwise leaves them alone: the profiles are all it writes to the
/// unit; a restore puts them back too.
inline QString calibrationSection()
{
    return QStringLiteral("Calibration");
}
inline QString deadzoneSection()
{
    return QStringLiteral("Deadzones");
}

/// The section a backup adds for the clutch mode: one key "ENABLED", 1 (the clutch pedal
/// on) or 0 (off). Backups made before it was added do not have it.
inline QString clutchSection()
{
    return QStringLiteral("Clutch");
}

/// A range table: the low and high bound of each pedal, in pedal order.
using RangeTable = std::array<std::uint16_t, 6>;

/// What a backup's sections hold beside the profile table, as far as the file gives it.
struct BackupSettings
{
    RangeTable calibration {};
    RangeTable deadzones {};
    unsigned calibrationPedals = 0; ///< a bit (1 << pedal) for each pedal the file gives
    unsigned deadzonePedals = 0; ///< likewise
    std::optional<bool> clutch;

    bool any() const { return calibrationPedals != 0 || deadzonePedals != 0 || clutch; }
};

/// The key of a profile: the slot formatted "%02d", then the name.
QString profileKey(int slot, const QString &name);

/// Whether a key begins with two characters that are decimal digits (Unicode category
/// Nd, counted by code point, so digits outside the BMP count as one character each).
bool isProfileKey(const QString &key);

/// The profile name of a profile key: everything after its two digits.
QString profileKeyName(const QString &key);

/// Whether a file's key list is well-formed: it holds "INDEX" (exact) and every other key
/// is a profile key. An empty list is not.
bool profileKeysWellFormed(const QStringList &keys);

/// The INDEX value as an unsigned 32-bit integer: a decimal text or an integer that fits,
/// and 0 for anything else (missing, non-numeric, negative or too large).
std::uint32_t profileIndexValue(const QVariant &value);

/// Whether an INDEX value carries ACTIVE_PROFILE_MARK in its top byte.
bool profileIndexValid(std::uint32_t index);

/// Whether a profile value holds a usable slot record: at least seven bytes whose slot
/// number is one of the unit's slots, whose pedal code is 1, 2 or 3 (any other code
/// would end the unit's profile list at that slot) and whose five curve points are
/// 0..100. Only the first seven bytes are used.
bool profileRecordValid(const QByteArray &record);

/// Whether a profile name survives the trip to the unit and back: not empty (an empty
/// name marks a free slot), text (see profileNameIsText), and at most PROFILE_NAME_MAX
/// bytes in the local 8-bit encoding.
bool profileNameValid(const QString &name);

/// Whether a name is text that the unit can store as it is: no zero byte (the name
/// would end there), no lone UTF-16 surrogate and no U+FFFD, which stands for bytes
/// that were no text when the name was read and would go back as other bytes.
bool profileNameIsText(const QString &name);

/// A key line of an INI text: the line it starts on (from 1) and the key as QSettings
/// reads it, with its section in front ("Section/key"; none for [General]).
struct IniKeyLine
{
    int line = 0;
    QString key;
    QString section; ///< the section as QSettings names it; empty for [General]
    QByteArray rawKey; ///< the key's bytes as the file has them, blanks trimmed
    QByteArray rawValue; ///< the bytes after '=', up to the line's end or its comment
};

/// Splits an INI text into lines the way QSettings does and checks that nothing in it
/// would be dropped without a word: every line that is not blank is a comment (';'), a
/// section header closed by ']' with nothing after it, or a key line ("key=value") that
/// does not run on into the next line. Returns the key lines, or false and why not.
bool scanIniLines(const QByteArray &text, QList<IniKeyLine> &keys, QString *problem = nullptr);

/// A value as QSettings reads it from the text after '=': quotes, escapes and lists
/// undone, "@ByteArray(...)" a byte array, "@Invalid()" nothing. Other "@" types (of Qt
/// Gui or a serialized variant) are nothing here: no profile value is one.
QVariant iniValue(const QByteArray &raw);

/// Whether a file name has the suffix of a profile file (".ini", case-sensitive).
bool isProfileFileName(const QString &fileName);

/// The name an export writes to: the chosen name, with ".ini" appended unless it ends in
/// it (case-sensitive, so "PROFILES.INI" becomes "PROFILES.INI.ini").
QString profileExportName(const QString &chosen);

struct ProfileEntry
{
    QString name;
    SlotRecord record;
};

struct ProfileTable
{
    std::uint32_t index = 0; ///< active-profile word with the mark
    QList<ProfileEntry> profiles; ///< in the order of the file's keys
};

/// Checks the whole text of a profile file. Returns false, leaving `table` alone, when
/// the text has a line that QSettings would drop, a key twice, a key in a section other
/// than the two range sections or one that is not theirs, is not well-formed, holds
/// more profiles than the unit has slots or two for one slot, its INDEX lacks the mark,
/// or any profile value is not a usable record or has a name that would not come back
/// from the unit; a file is taken only as a whole. `problem` gets one sentence naming
/// the first failing line or key and why, for a user who edits the file by hand. What a
/// backup's sections hold goes to `settings`, if given.
bool parseProfileFile(const QByteArray &text, ProfileTable &table, QString *problem = nullptr,
                      BackupSettings *settings = nullptr);

/// Reads a profile file once, a regular file of at most PROFILE_FILE_MAX_SIZE bytes, and
/// checks those bytes with parseProfileFile.
bool readProfileFile(const QString &path, ProfileTable &table, QString *problem = nullptr,
                     BackupSettings *settings = nullptr);

/// The text of a profile file, as QSettings writes it: "[General]", then the keys in
/// QSettings' order. The key of each profile is made from its record's slot number and
/// its name; a '/' in a name is escaped like any other sign, so that it stays in the
/// name. Nothing is checked here.
QByteArray profileFileText(const ProfileTable &table);

/// The text of one range section, to follow profileFileText: a blank line, "[section]",
/// then one key per pedal.
QByteArray rangeSectionText(const QString &section, const RangeTable &table);
/// The text of the clutch section, to follow the range sections.
QByteArray clutchSectionText(bool enabled);

/// Writes a profile file in place of any file of that name, which is replaced only once
/// the new one is complete: on any failure the old file is left as it was. Returns
/// false when the new file could not be written.
bool writeProfileFile(const QString &path, const ProfileTable &table);

} // namespace kest
