#pragma once

#include <QString>

#include <string>

namespace quillan {

// The models hold UTF-8 texts.
inline QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

} // namespace quillan
