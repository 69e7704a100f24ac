#include "ScreenshotRecorder.h"

#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace quillan {

namespace {
constexpr int kSettleMs = 250;
constexpr int kReadingMs = 400;
// Time enough for a window to paint, however fast the demonstration runs.
constexpr int kShortestWaitMs = 20;
} // namespace

ScreenshotRecorder::ScreenshotRecorder(std::filesystem::path folder, int pace)
    : m_folder(std::move(folder)), m_settleMs(std::max(kSettleMs / pace, kShortestWaitMs)),
      m_readingMs(std::max(kReadingMs / pace, kShortestWaitMs)) {
    std::filesystem::create_directories(m_folder);
}

void ScreenshotRecorder::save(QWidget& window, const std::string& name) {
    char number[12]; // room for any int
    std::snprintf(number, sizeof number, "%02d", ++m_count);
    const std::filesystem::path path = m_folder / (std::string(number) + "-" + name + ".png");
    if (window.grab().save(QString::fromStdString(path.string())))
        std::printf("screenshot: %s\n", path.c_str());
    else
        std::printf("screenshot failed: %s\n", path.c_str());
    std::fflush(stdout);
}

void ScreenshotRecorder::shootSoon(QWidget& window, const std::string& name) {
    QPointer<QWidget> target(&window);
    QTimer::singleShot(m_settleMs, [this, target, name] {
        if (target && target->isVisible())
            save(*target, name);
    });
}

void ScreenshotRecorder::shootAndAnswer(QMessageBox& box) {
    QPointer<QMessageBox> target(&box);
    QTimer::singleShot(m_readingMs, [this, target] {
        if (!target)
            return;
        save(*target, "message-" + target->windowTitle().toStdString());
        if (QPushButton* button = target->defaultButton())
            button->click();
        else
            target->reject();
    });
}

} // namespace quillan
