#pragma once
#include <functional>

#include <QWidget>

#include "project/SeriesAdjust.h"

class QLabel;
class QPushButton;

namespace turnpixa {

// A button that corrects every photo of the series at once, an "Undo"
// beside it that takes the whole correction back, and one line saying what
// was done. The work itself is the core's; `changed` shows the result.
class SeriesAdjustBox : public QWidget {
    Q_OBJECT
public:
    using Work = std::function<SeriesResult(Project&, const SeriesProgress&)>;
    SeriesAdjustBox(const QString& caption, const QString& working, Project& project, Work work,
                    std::function<void()> changed, QWidget* parent);

    void run();
    void undo();
    // Forgets the undo once the photos it names have changed.
    void refresh();

    QPushButton* button() const { return button_; }
    QPushButton* undoButton() const { return undo_; }
    QLabel* resultText() const { return result_; }

private:
    Project& project_;
    Work work_;
    std::function<void()> changed_;
    QString working_;
    SeriesUndo last_;
    QPushButton* button_ = nullptr;
    QPushButton* undo_ = nullptr;
    QLabel* result_ = nullptr;
};

}  // namespace turnpixa
