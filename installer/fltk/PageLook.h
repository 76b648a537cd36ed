#pragma once
// What every installer page shares: the screen's scale, the banner, the
// painted texts and etched separators, the built-in pictures and a window
// class that paints them under its controls.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Image.H>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace turnpixa::setup {

// Page coordinates at 96 DPI, scaled for this screen.
struct Scale {
    int dpi = 96;
    int x(int v) const;
    int y(int v) const;
    // The page font (8 points on a 96 DPI screen) and the finish list's.
    int font() const { return y(12); }
    int listFont() const { return y(13); }
};
// Reads the screen's DPI; the display must be open.
Scale screenScale();

// The picture across the top of the pages: a BMP or PNG file, drawn at its
// own size, centred. Absent when the file is missing or unreadable.
class Banner {
public:
    explicit Banner(const std::string& path);
    bool present() const { return image_ != nullptr; }
    void draw(int pageWidth) const;

private:
    std::unique_ptr<Fl_Image> image_;
};

enum class Picture { Folder, Disk, Checked, Unchecked, Shortcut, Program, Restart };
// The built-in pictures, 16 x 16 (the folder 32 x 24) at 96 DPI.
void drawPicture(Picture p, int x, int y, const Scale& s);
// The program's icon for every window.
void setProgramIcon();

// A text drawn the period way: white one pixel right and down, then black;
// (x, y) is the text's top left. A text wider than maxWidth is drawn
// smaller (the longest translations), down to a readable minimum.
void drawPaintedText(const std::string& text, int x, int y, int size, int maxWidth);
// The etched pair: grey at y, white below it.
void drawSeparator(int x1, int x2, int y);

// The button Enter presses, drawn the period way with a black frame
// (FLTK's return button would give up label room to its arrow).
class DefaultButton : public Fl_Button {
public:
    DefaultButton(int x, int y, int w, int h);
    // Enter presses it without taking the focus from where the user types.
    int handle(int event) override;

protected:
    void draw() override;
};

// Widens buttons to their labels (at least minWidth at 96 DPI) and lines
// them up leftwards from rightEdge (window pixels), 7 pixels apart, so
// that the longest translations fit.
void fitButtons(std::initializer_list<Fl_Button*> rightToLeft, int rightEdge, int minWidth,
                const Scale& s);

// A fixed-size page centred on the screen that paints its banner, texts
// and separators under its controls.
class PageWindow : public Fl_Double_Window {
public:
    PageWindow(int w, int h, const Scale& s, const Banner* banner);

    // Positions at 96 DPI; scaleTextY says whether y follows the DPI.
    void addSeparator(int x1, int x2, int y, bool scaleY);
    // Returns an id for setText.
    int addText(int x, int y, const std::string& text, bool scaleY = true);
    void setText(int id, const std::string& text);
    void addPicture(Picture p, int x, int y);
    void setWhiteBand(int height) { whiteBand_ = height; }
    void setCaption(const std::string& caption) { copy_label(caption.c_str()); }
    // Shows the page modally and returns when it is hidden.
    void runModal();
    const Scale& scale() const { return scale_; }

protected:
    void draw() override;

private:
    struct Text {
        int x, y;
        std::string text;
    };
    struct Line {
        int x1, x2, y;
    };
    struct Pic {
        Picture p;
        int x, y;
    };
    Scale scale_;
    const Banner* banner_;
    int whiteBand_ = 0;
    std::vector<Text> texts_;
    std::vector<Line> lines_;
    std::vector<Pic> pictures_;
};

}  // namespace turnpixa::setup
