#pragma once

#include <QMessageBox>
#include <QWidget>

#include <filesystem>
#include <string>

namespace quillan {

// Saves numbered pictures of windows into a folder and prints each path, for a run without a screen.
class ScreenshotRecorder {
  public:
    // `pace` above 1 shortens the waits before each picture that many times.
    explicit ScreenshotRecorder(std::filesystem::path folder, int pace = 1);

    // A picture of window a moment from now, once it has settled; nothing if it is gone or hidden by then.
    void shootSoon(QWidget& window, const std::string& name);
    // A picture of the box, then its default button is pressed, as an unattended user would.
    void shootAndAnswer(QMessageBox& box);

  private:
    void save(QWidget& window, const std::string& name);

    std::filesystem::path m_folder;
    int m_settleMs;
    int m_readingMs;
    int m_count = 0;
};

} // namespace quillan
