#pragma once

// Profile files: the unit's profile table as an INI file read and written by QSettings.
//
// All keys sit in the general section. "INDEX" holds the active-profile word with
// ACTIVE_PROFILE_MARK in its top byte; every other key is a slot number as two digits
// followed by the profile name, and holds the profile's seven-byte slot record.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

namespace kest {

/// The key that holds the active-profile word.
inline QString profileIndexKey()
{
    return QStringLiteral("INDEX");
}

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
/// number is one of the unit's slots and whose pedal code is 1, 2 or 3 (any other code
/// would end the unit's profile list at that slot). Only the first seven bytes are used.
bool profileRecordValid(const QByteArray &record);

/// Whether a profile name survives the trip to the unit and back: not empty (an empty
/// name marks a free slot), no zero byte (the name would end there), and at most
/// PROFILE_NAME_MAX bytes in the local 8-bit encoding.
bool profileNameValid(const QString &name);

/// A key line of an INI text: the line it starts on (from 1) and the key as QSettings
/// reads it, with its section in front ("Section/key"; none for [General]).
struct IniKeyLine
{
    int line = 0;
    QString key;
    QString section; ///< the section as QSettings names it; empty for [General]
};

/// Splits an INI text into lines the way QSettings does and checks that nothing in it
/// would be dropped without a word: every line that is not blank is a comment (';'), a
/// section header closed by ']' with nothing after it, or a key line ("key=value") that
/// does not run on into the next line. Returns the key lines, or false and why not.
bool scanIniLines(const QByteArray &text, QList<IniKeyLine> &keys, QString *problem = nullptr);

/// Whether a file name has the suffix of a profile file (".ini", case-sensitive).
bool isProfileFileName(const QString &fileName);

/// The name an export writes to: the chosen name, with ".ini" appended unless it ends in
/// it (case-sensitive, so "PROFILES.INI" becomes "PROFILES.INI.ini").
QString profileExportName(const QString &chosen);

struct ProfileEntry
{
    QString name;
    QByteArray record; ///< slot, pedal code, five curve bytes
};

struct ProfileTable
{
    std::uint32_t index = 0; ///< active-profile word with the mark
    QList<ProfileEntry> profiles; ///< in the order of the file's keys
};

/// Reads and checks a whole profile file. Returns false, leaving `table` alone, when the
/// file cannot be read, has a line that QSettings would drop, is not well-formed, its
/// INDEX lacks the mark, or any profile value is not a usable record or has a name that
/// would not come back from the unit; a file is taken only as a whole. `problem` gets one
/// sentence naming the first failing line or key and why, for a user who edits the file
/// by hand.
bool readProfileFile(const QString &path, ProfileTable &table, QString *problem = nullptr);

/// Writes a profile file in place of any file of that name; the key of each profile is
/// made from its record's slot number and its name. Returns false when the old file
/// could not be removed or the new one could not be written.
bool writeProfileFile(const QString &path, const ProfileTable &table);

} // namespace kest
