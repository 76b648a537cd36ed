#pragma once
// The state of the windowed installer's pages, kept apart from FLTK so that
// it is tested without a display: layout scaling, the main page's language
// and forward decision, the progress page's timer steps and the finish
// page's checkable list. The FLTK layer draws what these hold.
#include <cstdint>
#include <string>
#include <vector>

#include "installer/InstallState.h"
#include "installer/PageRules.h"

namespace turnpixa::setup {

// Page coordinates are pixels at 96 DPI. Horizontal ones grow by 6% more
// than the DPI ratio on other screens; screens below 96 DPI count as 96.
int scaleX(int x, int dpi);
int scaleY(int y, int dpi);
// Dialog units of an 8-point dialog font as pixels at 96 DPI.
inline int dialogX(int units) {
    return units * 6 / 4;
}
inline int dialogY(int units) {
    return units * 13 / 8;
}

// Free megabytes of the file system that holds path (or its nearest
// existing parent); 0 when none can be read.
std::uint64_t freeMegabytes(const std::string& path);

class MainPageState {
public:
    MainPageState(const InstallState& state, bool hasLicence);

    int language() const { return language_; }
    void setLanguage(int language);
    const MainPageTexts& texts() const { return texts_; }
    // "Ready to Install <name>" followed by the version when there is one.
    std::string heading() const;
    // The destination as the field shows it: a file-system folder.
    const std::string& field() const { return field_; }
    void setField(const std::string& text) { field_ = text; }
    // Change: the chosen folder, completed with the default destination's
    // last component, becomes the field.
    void chooseFolder(const std::string& chosen);

    enum class Forward { Stay, OpenLicence, Install };
    // The forward button. Stay: message holds what to show. Install and
    // OpenLicence: the state's destination, language and language name are
    // set from the page.
    Forward forward(InstallState& state, std::string& message);

private:
    std::string projectName_, version_, defaultDestination_, field_;
    bool hasLicence_;
    int language_;
    MainPageTexts texts_;
};

// The progress page: what each 100 ms tick and each close request do.
class ProgressPageState {
public:
    explicit ProgressPageState(int language) : language_(language) {}

    enum class Tick { Nothing, Updated, Finished, Cancelled };
    // One timer step over the worker's state. Finished comes once, when the
    // done flag is first seen; Cancelled when the worker stopped on a
    // cancel of its own (a question answered with Cancel).
    Tick tick(InstallState& state);
    bool finished() const { return finished_; }
    const std::string& status() const { return status_; }
    int percent() const { return percent_; }
    // Cancel while running, Finish afterwards.
    std::string buttonLabel() const;

    enum class Close { AskCancel, Close };
    // The button or the window's close box.
    Close closeRequested() const { return finished_ ? Close::Close : Close::AskCancel; }
    // The cancel question's text and caption.
    std::string cancelQuestion() const;
    std::string caption() const;

private:
    int language_;
    bool finished_ = false;
    std::string status_;
    int percent_ = 0;
};

// Whether the finish page follows the progress page.
bool finishPageNeeded(const InstallState& state);

struct FinishItem {
    enum class Kind { Shortcut, Program, Restart };
    Kind kind;
    std::size_t index;  // into the state's optional shortcuts or programs
    std::string label, value;
    bool checked = true;
};

class FinishList {
public:
    FinishList(const InstallState& state, int language);

    const std::vector<FinishItem>& items() const { return items_; }
    int selected() const { return selected_; }
    void select(int row);
    void moveSelection(int delta);
    void toggleSelected();
    // The mouse released at x pixels (at 96 DPI) from a row's left edge:
    // over the check box the row is toggled. True when it was.
    bool releaseAt(int row, int x);

    // The checked items, for the finish actions.
    std::vector<OptionalShortcut> shortcuts(const InstallState& state) const;
    std::vector<OptionalProgram> programs(const InstallState& state) const;
    bool restart() const;

private:
    std::vector<FinishItem> items_;
    int selected_ = 0;
};

// The uninstall dialog's bar from the uninstaller's progress fields; the
// percent is left as it was when nothing changed.
void uninstallProgress(const Progress& p, int& percent);

}  // namespace turnpixa::setup
