// The small controls TForm1's pages are made of, each under the object name the window was drawn
// with (the tests and the screenshots find the controls by it): labels, framed read-only fields,
// buttons, edits, lists and the 4 x 4 triggers.
#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zarkel::widgets {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* Caption(const QString& text);
QLabel* NamedLabel(const char* name, const QString& text);
// A read-only field of the unit detail or a figure: framed, so that an empty one still shows.
QLabel* ValueLabel(const char* name, const QString& text, int minimumChars);
// Enter presses the focused button, as Space does.
QPushButton* Button(const char* name, const QString& caption);
QLineEdit* Edit(const char* name, const QString& text);
// A list of which one line at a time is selected.
QListWidget* List(const char* name);
// A 4 x 4 control without caption that runs an operation when clicked.
QLabel* Trigger(const char* name);

}  // namespace zarkel::widgets
