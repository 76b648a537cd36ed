#pragma once
#include <gtest/gtest.h>
#include <QDialog>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/CTurnPixaApp.h"
#include "app/CTurnPixaDlg.h"
#include "app/DialogSeam.h"
#include "app/pages/CEditDlg.h"
#include "app/pages/CImportDlg.h"
#include "app/pages/CSaveDlg.h"
#include "app/pages/CSizeDlg.h"
#include "tests/support/TempDir.h"

namespace turnpixa::test {

// Answers the wizard's dialogs and remembers what it was told.
class ScriptedSeam : public DialogSeam {
public:
    void message(QWidget*, const QString& text) override { messages << text; }
    void warning(QWidget*, const QString& text) override { warnings << text; }
    bool askOkCancel(QWidget*, const QString& text) override {
        questions << text;
        return answerOk;
    }
    QStringList openPhotoFiles(QWidget*) override { return openAnswer; }
    QString saveFile(QWidget*, const QString&, const QStringList& filters,
                     const QString& suffix) override {
        saveFilters = filters;
        saveSuffix = suffix;
        ++saveDialogs;
        return saveAnswer;
    }
    void about(QWidget*) override { ++abouts; }
    // The program's own dialogs: answered by dialogAnswer, Cancel without one.
    int runDialog(QDialog& dialog) override {
        dialogTitles << dialog.windowTitle();
        return dialogAnswer ? dialogAnswer(dialog) : 0;
    }
    int popupMenu(QWidget*, QPoint, const QStringList& items) override {
        menus << items.join('|');
        return menuAnswer;
    }
    int selectScanner(QWidget*, const QStringList& devices, int) override {
        scannerLists << devices.join('|');
        return scannerAnswer;
    }
    bool askRetryCancel(QWidget*, const QString& text) override {
        questions << text;
        return false;
    }

    std::function<int(QDialog&)> dialogAnswer;
    QStringList dialogTitles;

    bool askTrustHostKey(QWidget* parent, const QString& text) override {
        hostKeyQuestions << text;
        return realHostKeyQuestion ? DialogSeam::askTrustHostKey(parent, text) : trustHostKey;
    }
    bool askPassphrase(QWidget*, const QString& text, QString& answer) override {
        passphraseQuestions << text;
        answer = passphraseAnswer;
        return !passphraseAnswer.isEmpty();
    }
    QStringList hostKeyQuestions;
    bool trustHostKey = false;
    bool realHostKeyQuestion = false;  // the real message box, for the test to answer
    QStringList passphraseQuestions;
    QString passphraseAnswer;  // empty: the question is cancelled

    bool chooseColour(QWidget*, QColor& colour, const QList<QColor>& custom) override {
        colourStart = colour;
        customColours = custom;
        ++colourDialogs;
        if (!colourAnswer.isValid()) return false;
        colour = colourAnswer;
        return true;
    }

    QStringList messages;
    QStringList warnings;
    QStringList questions;
    QStringList menus;
    QStringList saveFilters;
    QString saveSuffix;
    QStringList openAnswer;
    QString saveAnswer;
    bool answerOk = true;
    int menuAnswer = -1;
    QStringList scannerLists;
    int scannerAnswer = -1;
    QColor colourAnswer;  // invalid: the chooser is cancelled
    QColor colourStart;
    QList<QColor> customColours;
    int colourDialogs = 0;
    int saveDialogs = 0;
    int abouts = 0;
};

// Catches what the wizard hands to the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void handle(const QUrl& url) { urls << url; }
};

// A wizard on Qt's offscreen platform with photos made on the fly.
class Wizard : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CTurnPixaDlg& dlg() { return *app->mainWindow(); }
    Project& project() { return app->project(); }
    CImportDlg& importPage();
    CSaveDlg& savePage();
    CSizeDlg& sizePage();
    CEditDlg& editPage();

    // Writes count PNG photos of 60 x 40, each with its own colour and a bar
    // at its own place; returns their paths.
    QStringList makePhotos(int count, const QString& prefix = QStringLiteral("photo"));
    // Loads them through the Load page's drop handling (reversed, so that
    // the photos end up in path order) and waits for the batch.
    void dropFiles(const QStringList& paths);
    // The drop alone; its batch runs on the next event processing.
    void sendDrop(const QStringList& paths);
    void loadPhotos(int count);
    // The first count sample photos (1600 x 1200 JPEGs), in name order.
    static QStringList samplePhotos(int count = 36);
    // Saves a picture of the window when TURNPIXA_SCREENSHOTS names a folder.
    void shoot(const QString& name);
    bool waitFor(const std::function<bool()>& done, int ms = 10000);

    void mouse(QWidget* w, int type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons);

    TempDir dir;
    ScriptedSeam seam;
    std::unique_ptr<CTurnPixaApp> app;
};

}  // namespace turnpixa::test
