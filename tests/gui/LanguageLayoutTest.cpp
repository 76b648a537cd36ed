#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "TranslationFiles.h"
#include "WizardFixture.h"
#include "app/WizardLanguage.h"
#include "app/pages/CTakePhotosDlg.h"
#include "devices/CPrintPadDlg.h"
#include "devices/CScanSelectDlg.h"
#include "devices/CScanSourceDlg.h"
#include "net/CUpdateDialogs.h"
#include "net/CUploadDlg.h"
#include "net/CWebspaceSettingsDlg.h"
#include "web/CSnippetDlg.h"

namespace turnpixa::test {

namespace {

// The text as drawn: "&&" shows one ampersand, a lone "&" none.
QString shownText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString describe(const QWidget* w, const QString& text) {
    return QStringLiteral("%1 \"%2\" (%3x%4)")
        .arg(QString::fromLatin1(w->metaObject()->className()), text.left(40))
        .arg(w->width())
        .arg(w->height());
}

// The texts of a window's visible labels, buttons, group boxes, lists and
// tabs that do not fit: wider (or, wrapped, taller) than the widget shows
// them, cut by a parent, or lying over a sibling's text. One line each.
QStringList textsThatDoNotFit(QWidget* window) {
    QStringList problems;
    std::vector<QWidget*> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->isWindow()) continue;
        const QFontMetrics fm = w->fontMetrics();
        QString text;
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty() || !label->pixmap().isNull()) continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    problems << describe(w, text) + QStringLiteral(": wrapped text is cut off");
            } else {
                const QSize hint = label->sizeHint();
                if (hint.width() > label->width() || hint.height() > label->height())
                    problems
                        << describe(w, text) +
                               QStringLiteral(": needs %1x%2").arg(hint.width()).arg(hint.height());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = shownText(button->text());
            if (text.isEmpty()) continue;
            if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
                needed = button->sizeHint().width();
            } else {
                // No wider than the button: its margins may be given up.
                needed = widestLine(fm, text);
                if (!button->icon().isNull()) needed += button->iconSize().width() + 4;
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text = shownText(group->title());
            if (text.isEmpty()) continue;
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            needed = title.left() + fm.horizontalAdvance(text) + 4;
            // Group boxes share their parent with what they frame: not a text
            // that must stay clear of others.
            if (needed > w->width())
                problems << describe(w, text) + QStringLiteral(": title needs %1").arg(needed);
            needed = 0;
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            text = list->currentText();
            if (text.isEmpty()) continue;
            needed = list->minimumSizeHint().width();
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QRect tab = tabs->tabRect(i);
                const int textWidth = fm.horizontalAdvance(tabs->tabText(i));
                if (tab.width() < textWidth || !tabs->rect().contains(tab))
                    problems << describe(w, tabs->tabText(i)) + QStringLiteral(": tab is cut");
            }
            continue;
        } else {
            continue;
        }
        if (needed > w->width())
            problems << describe(w, text) + QStringLiteral(": needs width %1").arg(needed);
        // Cut by a parent or the window.
        if (w->visibleRegion().boundingRect() != w->rect())
            problems << describe(w, text) + QStringLiteral(": partly outside its parent");
        if (!qobject_cast<QGroupBox*>(w)) texts.push_back(w);
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            QWidget* a = texts[i];
            QWidget* b = texts[j];
            if (a->parentWidget() != b->parentWidget() || a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            if (a->geometry().intersects(b->geometry()))
                problems << describe(a, QString()) + QStringLiteral(" lies over ") +
                                describe(b, QString());
        }
    return problems;
}

std::string joined(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')).toStdString();
}

// The wizard in one of the languages ("" English) at its smallest size.
class WizardInLanguage : public Wizard, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(useWizardLanguage(QString::fromLatin1(GetParam())));
        Wizard::SetUp();
        dlg().resize(dlg().minimumSize());
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        Wizard::TearDown();
        useWizardLanguage(QString());
    }
    QString code() const { return QString::fromLatin1(GetParam()); }
    QString name() const { return code().isEmpty() ? QStringLiteral("en") : code(); }

    // Every page in turn, checked and photographed.
    void checkPages(const QString& stage) {
        for (int i = 0; i < dlg().pageCount(); ++i) {
            dlg().setActiveIndex(i);
            QCoreApplication::processEvents();
            EXPECT_EQ(dlg().activeIndex(), i);
            EXPECT_TRUE(textsThatDoNotFit(&dlg()).isEmpty())
                << name().toStdString() << " " << stage.toStdString() << " page " << i + 1 << ":\n"
                << joined(textsThatDoNotFit(&dlg()));
            shoot(QStringLiteral("%1-%2-page%3").arg(name(), stage).arg(i + 1));
        }
    }
    // A dialog shown as the wizard would, checked and photographed.
    void checkDialog(QDialog& dialog, const QString& what) {
        dialog.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(textsThatDoNotFit(&dialog).isEmpty())
            << name().toStdString() << " " << what.toStdString() << ":\n"
            << joined(textsThatDoNotFit(&dialog));
        const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
        if (!folder.isEmpty())
            dialog.grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, name(), what));
        dialog.hide();
    }
};

class NoSources : public SourceWindowEvents {
public:
    void scanPressed() override {}
    void closePressed() override {}
    std::vector<std::string> sourceChoices() const override {
        return {"Flatbed", "Automatic Document Feeder"};
    }
    std::string currentSource() const override { return "Flatbed"; }
    bool chooseSource(const std::string&, std::string&) override { return true; }
};

}  // namespace

TEST_P(WizardInLanguage, TabsSpeakTheLanguageAndEveryPageFitsItsTexts) {
    const char* contexts[] = {"turnpixa::CTakePhotosDlg", "turnpixa::CImportDlg",
                              "turnpixa::CSizeDlg", "turnpixa::CEditDlg", "turnpixa::CSaveDlg"};
    const char* english[] = {"Step 1 : Take Photos", "Step 2: Load Photos", "Step3: Size TurnPixa",
                             "Step4: Edit TurnPixa", "Step 5: Save TurnPixa"};
    auto* tabs = dlg().findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        const QString expected = code().isEmpty() ? QString::fromLatin1(english[i])
                                                  : tsTranslation(code(), contexts[i], english[i]);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(tabs->tabText(i), expected);
        if (!code().isEmpty()) {
            EXPECT_NE(tabs->tabText(i), english[i]);
        }
    }
    checkPages(QStringLiteral("empty"));

    loadPhotos(4);
    checkPages(QStringLiteral("photos"));

    // The Size page's crop mode and the Save page after a save show their
    // longer texts.
    dlg().setActiveIndex(2);
    sizePage().cropButton()->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(textsThatDoNotFit(&dlg()).isEmpty()) << joined(textsThatDoNotFit(&dlg()));
    shoot(name() + QStringLiteral("-crop"));
    sizePage().cropButton()->click();

    dlg().setActiveIndex(4);
    seam.saveAnswer = QString::fromStdString(dir.file("shoe"));
    savePage().saveAsButton()->click();
    ASSERT_TRUE(project().saved);
    QCoreApplication::processEvents();
    EXPECT_TRUE(textsThatDoNotFit(&dlg()).isEmpty()) << joined(textsThatDoNotFit(&dlg()));
    shoot(name() + QStringLiteral("-saved"));
}

TEST_P(WizardInLanguage, EveryDialogFitsItsTexts) {
    loadPhotos(2);
    dlg().setActiveIndex(4);
    seam.saveAnswer = QString::fromStdString(dir.file("shoe"));
    savePage().saveAsButton()->click();
    ASSERT_TRUE(project().saved);

    // The dialogs the pages open, as they open them.
    QStringList opened;
    seam.dialogAnswer = [&](QDialog& d) {
        const QString kind = QString::fromLatin1(d.metaObject()->className()).section("::", -1);
        opened << kind;
        checkDialog(d, kind);
        if (auto* upload = qobject_cast<CUploadDlg*>(&d)) upload->settingsButton()->click();
        return int(QDialog::Rejected);
    };
    static_cast<CTakePhotosDlg*>(dlg().page(0))->printButton()->click();
    savePage().clipboardButton()->click();
    savePage().uploadButton()->click();
    EXPECT_EQ(opened,
              QStringList({"CPrintPadDlg", "CSnippetDlg", "CUploadDlg", "CWebspaceSettingsDlg"}));

    // The update dialogs, the scanner choice and the scanner's window.
    const HelpOpener help(app->programFolder());
    CCheckUpdatesDlg ask(true, help, &dlg());
    checkDialog(ask, QStringLiteral("CCheckUpdatesDlg"));
    CUpToDateDlg upToDate(1.0, &dlg());
    checkDialog(upToDate, QStringLiteral("CUpToDateDlg"));
    CUpdateOfferDlg offer(
        2.0, help, [](const std::function<bool(int)>&) { return false; }, &dlg());
    checkDialog(offer, QStringLiteral("CUpdateOfferDlg"));
    CScanSelectDlg select({QStringLiteral("Canon LiDE 400 (pixma:04A91912)")}, 0, &dlg());
    checkDialog(select, QStringLiteral("CScanSelectDlg"));
    CScanSelectDlg none({}, -1, &dlg());
    checkDialog(none, QStringLiteral("CScanSelectDlg-none"));
    NoSources events;
    CScanSourceDlg scanner(SaneDeviceInfo{"pixma:04A91912", "Canon", "LiDE 400", "flatbed scanner"},
                           events, &dlg());
    checkDialog(scanner, QStringLiteral("CScanSourceDlg"));

    // The About box is run by the real seam.
    DialogSeam real;
    bool aboutChecked = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || aboutChecked) return;
        aboutChecked = true;
        checkDialog(*box, QStringLiteral("About"));
        // The help pages are English: said in every other language.
        EXPECT_EQ(box->findChild<QLabel*>(QStringLiteral("helpLanguageNote")) != nullptr,
                  !code().isEmpty());
        box->accept();
    });
    timer.start(10);
    real.about(&dlg());
    EXPECT_TRUE(aboutChecked);
}

INSTANTIATE_TEST_SUITE_P(Languages, WizardInLanguage,
                         ::testing::Values("", "fr", "de", "ru", "it", "es"),
                         [](const ::testing::TestParamInfo<const char*>& language) {
                             return std::string(*language.param ? language.param : "en");
                         });

}  // namespace turnpixa::test
