#pragma once

class QIcon;
class QPixmap;

// The program's icon: a photo page with a pencil. The main window and the About window carry it.
QIcon programIcon();

// The icon drawn at `size` × `size` pixels.
QPixmap programIconPixmap(int size);
