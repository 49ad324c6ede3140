#pragma once
// The look the windows share: cream background, the configured font, fixed-place labels
// and buttons, and pictures from the executable's directory.
#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace Look {
inline const QColor kCream(255, 251, 240);
inline const QColor kGreen(0, 128, 0);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kBlue(0, 0, 255);
// The text of results that no longer match the inputs.
inline const QColor kStaleText(128, 128, 128);
} // namespace Look

// Paints the widget's background cream.
void ApplyCream(QWidget& widget);

// Sets the family of GlobalSettings' FontName on the widget and every control in it,
// keeping their sizes and weights. An empty name (no configuration) changes nothing; a
// family that is not installed falls back to the toolkit's substitute silently.
// CurrCharSet has no counterpart in Qt: Unicode fonts need no character set.
void ApplyGlobalFont(QWidget& widget);

// A bold, coloured label at a fixed place, its text drawn in pixelSize pixels.
QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& place, const QColor& color,
                  int pixelSize);

// A push button at a fixed place. It never takes the Enter key for itself when it gets the
// focus: Enter stays with the dialog's default button.
QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& place);

// A read-only cream memo at a fixed place, its text drawn in pixelSize pixels.
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& place, int pixelSize,
                         bool bold);

// Shows the picture file scaled proportionally and centred in the label; a missing or
// unreadable picture leaves the label empty, silently.
void ShowPicture(QLabel& label, const QString& path);

// Keeps the style from caching pixmaps. Its cache keys carry the palette's identity, and
// every window made anew (each calculation form, each h dialog) has fresh palettes: the
// keys of pixmaps it will never draw again stayed behind in the cache for good, about
// 2 KB per window. Drawing the few controls of a window afresh costs next to nothing.
void KeepStylePixmapsUncached();
