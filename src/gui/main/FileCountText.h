#pragma once

#include <QString>

// The count display's text for a list of `count` entries: " 12  db file".
QString fileCountText(int count);
