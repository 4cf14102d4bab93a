#include "kestmessage.h"

#include <QFileDialog>

KestMessage::Handler &KestMessage::handler()
{
    static Handler h;
    return h;
}

void KestMessage::setHandler(Handler h)
{
    handler() = std::move(h);
}

void KestMessage::information(QWidget *parent, const QString &title, const QString &text)
{
    if (handler()) {
        handler()({Kind::Information, title, text});
        return;
    }
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void KestMessage::critical(QWidget *parent, const QString &title, const QString &text)
{
    if (handler()) {
        handler()({Kind::Critical, title, text});
        return;
    }
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton KestMessage::question(QWidget *parent, const QString &title,
                                                  const QString &text)
{
    if (handler())
        return handler()({Kind::Question, title, text}).button;
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No);
}

QMessageBox::StandardButton KestMessage::questionWithCancel(QWidget *parent, const QString &title,
                                                            const QString &text)
{
    const QMessageBox::StandardButton answer = handler()
        ? handler()({Kind::QuestionWithCancel, title, text}).button
        : QMessageBox::question(parent, title, text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                QMessageBox::Cancel);
    // Closing the box with Escape or its frame says Cancel too.
    return answer == QMessageBox::Yes || answer == QMessageBox::No ? answer : QMessageBox::Cancel;
}

QString KestMessage::openFileName(const QString &filter)
{
    if (handler())
        return handler()({Kind::OpenFile, QString(), filter}).fileName;
    return QFileDialog::getOpenFileName(nullptr, QString(), QString(), filter);
}

QString KestMessage::saveFileName(const QString &filter)
{
    if (handler())
        return handler()({Kind::SaveFile, QString(), filter}).fileName;
    return QFileDialog::getSaveFileName(nullptr, QString(), QString(), filter);
}
