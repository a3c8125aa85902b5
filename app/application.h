#pragma once

class QApplication;
class QFont;
class QString;

// What the program sets up once before the window is built: its name, the
// Song face every caption is drawn in, and Qt's own Chinese texts.
void prepareApplication(QApplication &app);

// The installed family that stands in for "宋体" on this machine.
QString songFamily();

// "宋体" at `points`, drawn as it is on the Chinese desktop: small sizes
// from the face's embedded bitmaps where it has them, larger ones as
// antialiased outlines.
QFont songFont(double points);
