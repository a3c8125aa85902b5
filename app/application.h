#pragma once

class QApplication;
class QFont;
class QScreen;

// What the program chooses before Qt starts: on Windows, the engine that
// draws its captions. Whoever names a platform, as tests do, keeps theirs.
void choosePlatform();

// What the program sets up once before the window is built: its name, the
// Song face every caption is drawn in, and Qt's own Chinese texts.
void prepareApplication(QApplication &app);

// "宋体" at `points`, drawn as it is on the Chinese desktop: sizes that come
// to the face's embedded bitmaps on `screen` from those bitmaps, all others
// as antialiased outlines.
QFont songFont(double points, const QScreen *screen);
