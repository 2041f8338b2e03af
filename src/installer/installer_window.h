// The installer's window Form1 and what its buttons do: choosing the install
// path (the folder picker or typing), "Next" (the install), "Cancel" and
// "Finish". Two states: choosing (the path box and its buttons) and done
// (the completion text and "Finish"); a refused path or a failed install
// stays in choosing and says why in Label5.
#pragma once

#include "forms/form.h"
#include "platform/platform.h"

#include <string>

namespace orvela::installer {

class InstallerWindow {
public:
    InstallerWindow(platform::Platform& platform, forms::Form& form1)
        : platform_(platform), form1_(form1) {}

    // Binds Form_Load and the buttons' clicks.
    void bind();

    void Form_Load();
    // "Brouse": the folder picker; a chosen folder gives the install path.
    void Brouse();
    // "Next": the install procedure.
    void Next();
    // "Cancel" and "Finish": the window closes and the program ends.
    void close();

    // The path a chosen folder (ending in "\") gives, written into Text1 and
    // the hidden DisplayName.
    void applyChosenFolder(const std::string& folder);

private:
    forms::Control& control(const char* name, int index = -1) const;
    std::string filterDescription() const;
    void showDone(bool done);
    // Moves the shipped files into the install folder; the text for Label5
    // when that fails, the empty text when they moved.
    std::string install(const std::string& installFolder);
    // The shipping folder: the installer's own, ending in a separator.
    std::string shippingFolder() const;

    platform::Platform& platform_;
    forms::Form& form1_;
    std::string label5Text_; // Label5's own text, shown again once installed
};

} // namespace orvela::installer
