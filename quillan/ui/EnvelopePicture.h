#pragma once

#include <QPixmap>

namespace quillan {

// A closed letter with a red seal, drawn rather than shipped: the new-mail window's picture.
QPixmap envelopePicture(int size);

} // namespace quillan
