#include "WizardFixture.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <algorithm>

namespace turnpixa::test {

namespace {

// One QApplication for the whole run, on the offscreen platform.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void Wizard::SetUp() {
    DialogSeam::install(&seam);
    app = std::make_unique<CTurnPixaApp>(QString::fromStdString(dir.path().string()));
    ASSERT_TRUE(app->initInstance());
    dlg().resize(1200, 800);
    dlg().show();
    QCoreApplication::processEvents();
}

void Wizard::TearDown() {
    app.reset();
    DialogSeam::install(nullptr);
}

CImportDlg& Wizard::importPage() {
    return *static_cast<CImportDlg*>(dlg().page(1));
}
CSaveDlg& Wizard::savePage() {
    return *static_cast<CSaveDlg*>(dlg().page(4));
}
CSizeDlg& Wizard::sizePage() {
    return *static_cast<CSizeDlg*>(dlg().page(2));
}
CEditDlg& Wizard::editPage() {
    return *static_cast<CEditDlg*>(dlg().page(3));
}

QStringList Wizard::makePhotos(int count, const QString& prefix) {
    QStringList paths;
    QDir(QString::fromStdString(dir.path().string())).mkpath(QStringLiteral("photos"));
    for (int i = 0; i < count; ++i) {
        QImage img(60, 40, QImage::Format_RGB888);
        img.fill(QColor::fromHsv((i * 360 / std::max(count, 1)) % 360, 120, 230));
        QPainter painter(&img);
        painter.fillRect(QRect(i * 60 / std::max(count, 1), 0, 4, 40), Qt::black);
        painter.end();
        const QString path =
            QString::fromStdString(dir.file("photos")) +
            QStringLiteral("/%1%2.png").arg(prefix).arg(i + 1, 2, 10, QLatin1Char('0'));
        EXPECT_TRUE(img.save(path));
        paths << path;
    }
    return paths;
}

void Wizard::dropFiles(const QStringList& paths) {
    const int before = project().photoCount();
    sendDrop(paths);
    waitFor([&] {
        return project().photoCount() >= before + static_cast<int>(paths.size()) ||
               !seam.messages.isEmpty() || !seam.warnings.isEmpty();
    });
    QCoreApplication::processEvents();
}

void Wizard::sendDrop(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    QMimeData mime;
    mime.setUrls(urls);
    // The sequence a file manager's drag delivers: enter, move, drop.
    const QPoint at(600, 400);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&importPage(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&importPage(), &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&importPage(), &drop);
    EXPECT_TRUE(drop.isAccepted());
}

void Wizard::shoot(const QString& name) {
    const QString folder = qEnvironmentVariable("TURNPIXA_SCREENSHOTS");
    if (!folder.isEmpty()) dlg().grab().save(folder + "/" + name + ".png");
}

bool Wizard::waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

void Wizard::loadPhotos(int count) {
    dlg().setActiveIndex(1);
    QStringList paths = makePhotos(count);
    std::reverse(paths.begin(), paths.end());
    dropFiles(paths);
    ASSERT_EQ(project().photoCount(), count);
}

QStringList Wizard::samplePhotos(int count) {
    QDir samples(QStringLiteral(TURNPIXA_SOURCE_DIR "/resources/sample-photos"));
    QStringList paths;
    for (const QString& name :
         samples.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name).mid(0, count))
        paths << samples.filePath(name);
    return paths;
}

void Wizard::mouse(QWidget* w, int type, QPoint pos, Qt::MouseButton button,
                   Qt::MouseButtons buttons) {
    QMouseEvent e(static_cast<QEvent::Type>(type), QPointF(pos), w->mapToGlobal(QPointF(pos)),
                  button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace turnpixa::test
