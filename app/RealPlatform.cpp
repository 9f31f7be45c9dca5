#include "app/RealPlatform.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

MessageAnswer StandardErrorMessages::show(QWidget*, const QString& text, MessageIcon,
                                          MessageButtons buttons) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextStream(stderr) << "Tervano1: " << shown << '\n';
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

MessageAnswer QtMessageService::show(QWidget* parent, const QString& text, MessageIcon icon,
                                     MessageButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Tervano1"));
    // Lines of a message are joined by carriage returns.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    switch (icon) {
    case MessageIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (buttons == MessageButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
}

QString UserSettingsLocation::settingsFilePath() const {
    const QString explicitPath = qEnvironmentVariable("TERVANO1_INI");
    if (!explicitPath.isEmpty())
        return explicitPath;
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Tervano1.ini");
}

void ImmediateExit::endNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}
