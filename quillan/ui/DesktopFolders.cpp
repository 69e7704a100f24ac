#include "DesktopFolders.h"

#include <QStandardPaths>

namespace quillan {

DesktopPlaces userDesktopPlaces(std::vector<std::string> command, std::string icon) {
    DesktopPlaces places;
    places.applications =
        QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation).toStdString();
    places.desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
    places.command = std::move(command);
    places.icon = std::move(icon);
    return places;
}

} // namespace quillan
