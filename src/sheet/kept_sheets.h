#pragma once

// Kept sheets: every results sheet that holds more than the template is also kept as a
// sheet file of its own in the user's data folder, so that closing it, a crash or a
// power cut loses at most a few seconds of it. While its window is open the file is
// locked, so that a second running program does not take it; a closed one, or one left
// unlocked by a crash, can be opened again. The user's own files are never written here.
//
// In the folder, sheet ID is three files: ID.tavilon, the sheet; ID.origin, when it
// belongs to a file of the user's, that file's path on its first line and, on a second,
// "unsaved" where the sheet has changes not saved there; and ID.lock while a window
// holds it.

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

class QTextDocument;

class KeptSheets
{
public:
    // The ten most recently closed sheets are kept; older ones are deleted.
    static constexpr int kClosedSheetsKept = 10;

    // Sheets kept in `folder`, by default the "kept-sheets" folder in the user's data folder.
    explicit KeptSheets(QString folder = defaultFolder());
    static QString defaultFolder();

    QString folder() const { return m_folder; }

    struct Closed
    {
        QString id;
        QString sheetFile; // the kept copy
        QString originalPath; // the user's file, or empty for a sheet never saved
        bool unsavedChanges = false; // changes not saved to the user's file
        QDateTime closedAt;
    };

    // The closed sheets, the most recently closed first. A sheet some window holds, in
    // this program or another, is not among them.
    QList<Closed> closedSheets() const;

    // Deletes the closed sheets beyond the ten most recent.
    void prune() const;

    QString sheetFile(const QString& id) const;
    QString originFile(const QString& id) const;
    QString lockFile(const QString& id) const;

private:
    QString m_folder;
};

// One open sheet's kept copy, locked for as long as this object holds it.
class KeptSheet
{
public:
    // Takes sheet `id` (a new one when empty) for a window. Nothing when another window,
    // here or in another program, holds it.
    static std::unique_ptr<KeptSheet> claim(const KeptSheets& store, const QString& id = {});

    QString id() const { return m_id; }

    // Writes the document over the kept copy, whole or not at all, with the path of the
    // user's file it belongs to and whether it has changes not saved there. The reason
    // when it could not.
    [[nodiscard]] std::optional<QString> keep(
        const QTextDocument& document, const QString& originalPath, bool unsavedChanges);

    // The copy is kept no longer.
    void discard();

    // The lock is given up: the kept copy now counts as closed.
    ~KeptSheet();

private:
    KeptSheet(const KeptSheets& store, QString id);

    const QString m_id;
    const QString m_sheetFile;
    const QString m_originFile;
    QLockFile m_lock;
};
