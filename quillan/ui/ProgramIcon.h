#pragma once

#include <QIcon>

namespace quillan {

// The program's icon, drawn rather than shipped: a handset on a blue badge.
QIcon programIcon();

} // namespace quillan
