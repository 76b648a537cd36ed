#include "installer/fltk/PageLook.h"
#include "installer/PageState.h"

#include <algorithm>
#include <cmath>
#include <fstream>

// After the installer's headers: FLTK's drawing header brings X11's macros.
#include <FL/Fl.H>
#include <FL/Fl_BMP_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>

namespace turnpixa::setup {

int Scale::x(int v) const {
    return scaleX(v, dpi);
}

int Scale::y(int v) const {
    return scaleY(v, dpi);
}

Scale screenScale() {
    float h = 96, v = 96;
    Fl::screen_dpi(h, v, 0);
    Scale s;
    s.dpi = h > 96 ? static_cast<int>(std::lround(h)) : 96;
    return s;
}

Banner::Banner(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    if (!in.read(magic, sizeof magic)) return;
    std::unique_ptr<Fl_Image> image;
    // Packages carry a BMP or, from our own tools, a PNG under the same name.
    if (magic[0] == 'B' && magic[1] == 'M')
        image = std::make_unique<Fl_BMP_Image>(path.c_str());
    else if (static_cast<unsigned char>(magic[0]) == 0x89 && magic[1] == 'P')
        image = std::make_unique<Fl_PNG_Image>(path.c_str());
    if (image && image->w() > 0 && image->h() > 0 && image->d() > 0) image_ = std::move(image);
}

void Banner::draw(int pageWidth) const {
    if (image_) image_->draw((pageWidth - image_->w()) / 2, 0);
}

namespace {

void box(int x, int y, int w, int h, Fl_Color fill, Fl_Color frame) {
    fl_color(fill);
    fl_rectf(x, y, w, h);
    fl_color(frame);
    fl_rect(x, y, w, h);
}

}  // namespace

void drawPicture(Picture p, int x, int y, const Scale& s) {
    const auto X = [&](int v) { return x + s.x(v); };
    const auto Y = [&](int v) { return y + s.y(v); };
    switch (p) {
        case Picture::Folder:
            box(X(0), Y(2), s.x(12), s.y(5), fl_rgb_color(230, 190, 60), FL_BLACK);
            box(X(0), Y(5), s.x(30), s.y(19), fl_rgb_color(250, 210, 80), FL_BLACK);
            break;
        case Picture::Disk:
            box(X(0), Y(3), s.x(16), s.y(10), fl_rgb_color(200, 200, 200), FL_BLACK);
            fl_color(fl_rgb_color(0, 160, 0));
            fl_rectf(X(11), Y(9), s.x(3), s.y(2));
            fl_color(FL_DARK3);
            fl_xyline(X(2), Y(6), X(13));
            break;
        case Picture::Checked:
        case Picture::Unchecked:
            box(X(1), Y(1), s.x(13), s.y(13), FL_WHITE, fl_rgb_color(28, 81, 128));
            if (p == Picture::Checked) {
                fl_color(FL_BLACK);
                fl_line_style(FL_SOLID, std::max(2, s.x(2)));
                fl_line(X(4), Y(7), X(6), Y(10), X(11), Y(4));
                fl_line_style(0);
            }
            break;
        case Picture::Shortcut:
            box(X(1), Y(1), s.x(14), s.y(14), FL_WHITE, FL_DARK3);
            fl_color(FL_BLACK);
            fl_line(X(4), Y(11), X(10), Y(5));
            fl_polygon(X(11), Y(4), X(7), Y(4), X(11), Y(8));
            break;
        case Picture::Program:
            box(X(0), Y(2), s.x(16), s.y(12), FL_WHITE, FL_DARK3);
            fl_color(fl_rgb_color(0, 0, 128));
            fl_rectf(X(1), Y(3), s.x(14), s.y(3));
            break;
        case Picture::Restart:
            fl_color(fl_rgb_color(0, 128, 0));
            fl_line_style(FL_SOLID, std::max(2, s.x(2)));
            fl_arc(X(2), Y(2), s.x(12), s.y(12), 60, 360);
            fl_line_style(0);
            fl_polygon(X(12), Y(0), X(15), Y(5), X(9), Y(5));
            break;
    }
}

void setProgramIcon() {
    // A plate with a photo on it: the turntable.
    static unsigned char pixels[32 * 32 * 4];
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            unsigned char* p = pixels + (y * 32 + x) * 4;
            const int dx = x - 16, dy = (y - 22) * 3;
            const bool plate = dx * dx + dy * dy < 15 * 15;
            const bool photo = x >= 9 && x < 23 && y >= 4 && y < 20;
            p[0] = photo ? 40 : plate ? 90 : 0;
            p[1] = photo ? 120 : plate ? 90 : 0;
            p[2] = photo ? 220 : plate ? 100 : 0;
            p[3] = photo || plate ? 255 : 0;
        }
    }
    static Fl_RGB_Image icon(pixels, 32, 32, 4);
    Fl_Window::default_icon(&icon);
}

void drawPaintedText(const std::string& text, int x, int y, int size, int maxWidth) {
    const int smallest = std::max(8, size * 3 / 4);
    fl_font(FL_HELVETICA, size);
    while (size > smallest && fl_width(text.c_str()) > maxWidth) fl_font(FL_HELVETICA, --size);
    const int base = y + fl_height() - fl_descent();
    fl_color(FL_WHITE);
    fl_draw(text.c_str(), x + 1, base + 1);
    fl_color(FL_BLACK);
    fl_draw(text.c_str(), x, base);
}

void drawSeparator(int x1, int x2, int y) {
    fl_color(fl_rgb_color(128, 128, 128));
    fl_xyline(x1, y, x2);
    fl_color(FL_WHITE);
    fl_xyline(x1, y + 1, x2);
}

DefaultButton::DefaultButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {}

int DefaultButton::handle(int event) {
    if (event == FL_SHORTCUT && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
        do_callback();
        return 1;
    }
    return Fl_Button::handle(event);
}

void DefaultButton::draw() {
    Fl_Button::draw();
    fl_color(FL_BLACK);
    fl_rect(x(), y(), w(), h());
}

void fitButtons(std::initializer_list<Fl_Button*> rightToLeft, int rightEdge, int minWidth,
                const Scale& s) {
    int right = rightEdge;
    for (Fl_Button* b : rightToLeft) {
        fl_font(b->labelfont(), b->labelsize());
        const int text = b->label() ? static_cast<int>(fl_width(b->label())) : 0;
        const int width = std::max(s.x(minWidth), text + s.x(20));
        b->resize(right - width, b->y(), width, b->h());
        right -= width + s.x(7);
    }
    if (rightToLeft.size() > 0 && (*rightToLeft.begin())->window())
        (*rightToLeft.begin())->window()->redraw();
}

PageWindow::PageWindow(int w, int h, const Scale& s, const Banner* banner)
    : Fl_Double_Window(s.x(w), s.y(h)), scale_(s), banner_(banner) {
    position((Fl::w() - this->w()) / 2, (Fl::h() - this->h()) / 2);
}

void PageWindow::addSeparator(int x1, int x2, int y, bool scaleY) {
    lines_.push_back({scale_.x(x1), scale_.x(x2), scaleY ? scale_.y(y) : y});
}

int PageWindow::addText(int x, int y, const std::string& text, bool scaleY) {
    texts_.push_back({scale_.x(x), scaleY ? scale_.y(y) : y, text});
    return static_cast<int>(texts_.size()) - 1;
}

void PageWindow::setText(int id, const std::string& text) {
    if (id < 0 || id >= static_cast<int>(texts_.size())) return;
    if (texts_[static_cast<std::size_t>(id)].text == text) return;
    texts_[static_cast<std::size_t>(id)].text = text;
    redraw();
}

void PageWindow::addPicture(Picture p, int x, int y) {
    pictures_.push_back({p, scale_.x(x), scale_.y(y)});
}

void PageWindow::runModal() {
    set_modal();
    show();
    while (shown()) Fl::wait();
}

void PageWindow::draw() {
    // Only a control changed: the painting under it stays.
    if (damage() & ~FL_DAMAGE_CHILD) {
        draw_box(FL_FLAT_BOX, 0, 0, w(), h(), color());
        if (whiteBand_ > 0) {
            fl_color(FL_WHITE);
            fl_rectf(0, 0, w(), whiteBand_);
        }
        if (banner_) banner_->draw(w());
        for (const auto& l : lines_) drawSeparator(l.x1, l.x2, l.y);
        for (const auto& p : pictures_) drawPicture(p.p, p.x, p.y, scale_);
        for (const auto& t : texts_)
            drawPaintedText(t.text, t.x, t.y, scale_.font(), w() - t.x - scale_.x(10));
    }
    draw_children();
}

}  // namespace turnpixa::setup
