#pragma once

// Every message box and file dialog of the program goes through here, so that tests
// can answer them instead of a person.

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

class KestMessage
{
public:
    enum class Kind { Information, Critical, Question, OpenFile, SaveFile, QuestionWithCancel };

    struct Request
    {
        Kind kind;
        QString title; ///< dialog caption
        QString text; ///< message text, or the file filter of a file dialog
    };

    /// What a test says instead of the user: the button for a box (ignored for
    /// information and critical boxes), the file name for a file dialog.
    struct Answer
    {
        QMessageBox::StandardButton button = QMessageBox::Ok;
        QString fileName;
    };

    using Handler = std::function<Answer(const Request &)>;

    /// Replaces the dialogs by `handler`; an empty handler brings the dialogs back.
    static void setHandler(Handler handler);

    /// An information box with one OK button.
    static void information(QWidget *parent, const QString &title, const QString &text);
    /// A critical box with one OK button.
    static void critical(QWidget *parent, const QString &title, const QString &text);
    /// A question with Yes and No, No being the default.
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                const QString &text);
    /// A question with Yes, No and Cancel, Cancel being the default; any other answer
    /// counts as Cancel.
    static QMessageBox::StandardButton questionWithCancel(QWidget *parent, const QString &title,
                                                          const QString &text);
    /// The standard open and save dialogs (no parent, caption or start folder); an empty
    /// result means the user cancelled.
    static QString openFileName(const QString &filter = QString());
    static QString saveFileName(const QString &filter = QString());

private:
    static Handler &handler();
};
