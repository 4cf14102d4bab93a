#pragma once

#include <QObject>

class ProfilesPage;
QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

/// Export and import of the unit's profile table as INI files, through the PROFILES
/// page's lists.
class ProfileFiles : public QObject
{
    Q_OBJECT

public:
    ProfileFiles(ProfilesPage &profiles, QWidget *boxParent, QObject *parent = nullptr);

    /// Asks for a file name and writes the lists' table and choice to it.
    void exportTable();
    /// Asks for a file, checks all of it, then replaces the unit's table with it.
    void importTable();

private:
    void unitError(const QString &what);

    ProfilesPage &profiles;
    QWidget *boxParent;
};
