#include "SeriesAdjustBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/Project.h"

namespace turnpixa {

namespace {

// The results the series work words without numbers or names are shown
// translated; the others stay as the project words them.
const char* const kFixedResults[] = {
    QT_TRANSLATE_NOOP("turnpixa::SeriesAdjustBox", "There are no photos to adjust."),
    QT_TRANSLATE_NOOP("turnpixa::SeriesAdjustBox",
                      "The photos are already centred; nothing was changed."),
    QT_TRANSLATE_NOOP("turnpixa::SeriesAdjustBox",
                      "The photos are already evenly lit; nothing was changed."),
};

}  // namespace

SeriesAdjustBox::SeriesAdjustBox(const QString& caption, const QString& working, Project& project,
                                 Work work, std::function<void()> changed, QWidget* parent)
    : QWidget(parent),
      project_(project),
      work_(std::move(work)),
      changed_(std::move(changed)),
      working_(working) {
    button_ = new QPushButton(caption, this);
    undo_ = new QPushButton(tr("Undo"), this);
    for (QPushButton* b : {button_, undo_}) b->setAutoDefault(false);
    undo_->setEnabled(false);
    result_ = new QLabel(this);
    result_->setWordWrap(true);
    // The panel is narrow: the button, the result (room for two lines) and
    // a small "Undo" at the right, each on a line of its own.
    result_->setMinimumHeight(result_->fontMetrics().lineSpacing() * 2);
    result_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    undo_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button_);
    layout->addWidget(result_);
    layout->addWidget(undo_, 0, Qt::AlignRight);
    connect(button_, &QPushButton::clicked, this, &SeriesAdjustBox::run);
    connect(undo_, &QPushButton::clicked, this, &SeriesAdjustBox::undo);
}

void SeriesAdjustBox::run() {
    if (project_.photoCount() == 0) {
        result_->setText(tr("There are no photos to adjust."));
        return;
    }
    button_->setEnabled(false);
    // A long series shows how far it has got; the window stays alive.
    const SeriesResult r = work_(project_, [this](int done, int total) {
        result_->setText(working_ + tr(" %1 of %2...").arg(done).arg(total));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    button_->setEnabled(true);
    QString result = QString::fromStdString(r.message);
    for (const char* fixed : kFixedResults)
        if (r.message == fixed) result = tr(fixed);
    result_->setText(result);
    if (r.undo.valid) {
        last_ = r.undo;
        undo_->setEnabled(true);
        if (changed_) changed_();
    }
}

void SeriesAdjustBox::undo() {
    const bool undone = undoSeries(project_, last_);
    last_ = {};
    undo_->setEnabled(false);
    result_->setText(undone ? tr("Undone: the photos are as they were.")
                            : tr("The photos have changed since, so there is "
                                 "nothing to undo."));
    if (undone && changed_) changed_();
}

void SeriesAdjustBox::refresh() {
    if (last_.valid && last_.photoChanges != project_.photoChanges()) {
        last_ = {};
        undo_->setEnabled(false);
    }
}

}  // namespace turnpixa
