// Qt's geometry in the failure messages of tests, as numbers rather than bytes.
#ifndef TARVIK_TESTS_UI_QT_PRINT_H_
#define TARVIK_TESTS_UI_QT_PRINT_H_

#include <QRect>
#include <QSize>
#include <ostream>

inline void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << " x " << size.height();
}

inline void PrintTo(const QRect& rect, std::ostream* out) {
  *out << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height();
}

#endif  // TARVIK_TESTS_UI_QT_PRINT_H_
