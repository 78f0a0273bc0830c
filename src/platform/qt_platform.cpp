#include "platform/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace solario {

int QtPlatform::MessageBox(const QString& text, const QString& title, int flags) {
    QMessageBox mb(QApplication::activeWindow());
    mb.setWindowTitle(title);
    // Our texts break lines with a lone carriage return; Qt breaks on line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    mb.setText(shown);
    mb.setTextFormat(Qt::PlainText);
    switch (flags & 0x70) {
    case 16:
        mb.setIcon(QMessageBox::Critical);
        break;
    case 32:
        mb.setIcon(QMessageBox::Question);
        break;
    case box::kExclamation:
        mb.setIcon(QMessageBox::Warning);
        break;
    case box::kInformation:
        mb.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((flags & 0x7) == box::kYesNo) {
        QPushButton* yes = mb.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = mb.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        mb.setDefaultButton(yes);
        mb.setEscapeButton(no);
        mb.exec();
        return mb.clickedButton() == yes ? box::kYes : box::kNo;
    }
    QPushButton* ok = mb.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    mb.setDefaultButton(ok);
    mb.setEscapeButton(ok);
    mb.exec();
    return box::kOk;
}

} // namespace solario
