// The forms of one program, the screen they live on, and the injectable
// sources of time and randomness.
#pragma once

#include "forms/clock.h"
#include "forms/form.h"
#include "forms/geometry.h"
#include "forms/uniform_random.h"

#include <memory>
#include <string>
#include <vector>

namespace orvela::forms {

class Runtime {
public:
    // Screen size in twips at 15 per pixel (Form::screenWidth() gives it in
    // a form's own twips).
    Runtime(Clock& clock, float screenWidth, float screenHeight);

    Form& addForm(const FormDesign& design);
    Form* findForm(const std::string& name) const; // case-sensitive
    const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }

    float screenWidth() const { return screenWidth_; }
    float screenHeight() const { return screenHeight_; }
    // The display's dots per inch (96 until set; usableDpi() holds it in
    // range), which the forms that follow the dpi and the item icons use.
    int dpi() const { return dpi_; }
    void setDpi(int dpi) { dpi_ = usableDpi(dpi); }
    // The screen changed size (twips): every loaded form designed maximised
    // covers the new screen.
    void setScreenSize(float width, float height);
    Clock& clock() const { return clock_; }
    UniformRandom& random() { return random_; }

    // Lets ms milliseconds pass: fires the Timer event of every running timer
    // of every loaded form whose own interval has passed (once at most).
    void advance(int ms);

    // True once some form has been loaded and now none is: the program ends.
    bool ended() const;
    // Called by forms as they load and unload.
    void noteLoaded() { everLoaded_ = true; }

private:
    Clock& clock_;
    float screenWidth_, screenHeight_;
    int dpi_ = designDpi;
    UniformRandom random_;
    std::vector<std::unique_ptr<Form>> forms_;
    bool everLoaded_ = false;
};

} // namespace orvela::forms
