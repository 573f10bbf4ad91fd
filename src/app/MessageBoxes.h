// The one way the program shows message boxes and asks questions. The program installs a
// presenter of modal QMessageBoxes; tests install a scripted one that records what was shown
// and answers questions. Qt-free, so that the Compute logic can use the answer type.
#pragma once

#include <string>

namespace MessageBoxes {

enum class Answer { Yes, No, Cancel };

class Presenter {
  public:
    virtual ~Presenter() = default;
    // Modal box with only OK and no icon.
    virtual void Inform(const std::string& title, const std::string& text) = 0;
    // Modal box with Yes, No and Cancel and no icon.
    virtual Answer Ask(const std::string& title, const std::string& text) = 0;
    // Modal box with an exclamation icon and only OK, under the application's default title.
    virtual void Warn(const std::string& text) = 0;
};

// The presenter in force; nullptr until one is installed (the window installs the modal
// one at start unless a test installed its own before).
void SetPresenter(Presenter* presenter);
Presenter* CurrentPresenter();

} // namespace MessageBoxes
