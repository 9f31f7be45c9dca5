#pragma once

#include "app/Platform.h"

// The real implementations of the platform interfaces used by the program.

// Modal message boxes titled with the application's name.
class QtMessageService : public MessageService {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) override;
};

// Messages written on standard error instead of shown, for a run without a
// user: OK, or No where the message asks.
class StandardErrorMessages : public MessageService {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok) override;
};

// The settings file: $TERVANO1_INI when set, otherwise Tervano1.ini in
// $XDG_CONFIG_HOME, otherwise in ~/.config.
class UserSettingsLocation : public SettingsLocation {
public:
    QString settingsFilePath() const override;
};

// Ends the process on the spot, without running any close handler.
class ImmediateExit : public ProcessControl {
public:
    void endNow() override;
};
