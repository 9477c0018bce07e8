#include "ui/widget_kit.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zarkel::widgets {

QLabel* Caption(const QString& text) {
  return new QLabel(text);
}

QLabel* NamedLabel(const char* name, const QString& text) {
  return Named(new QLabel(text), name);
}

QLabel* ValueLabel(const char* name, const QString& text, int minimumChars) {
  QLabel* label = NamedLabel(name, text);
  label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setMinimumWidth(label->fontMetrics().averageCharWidth() * minimumChars);
  return label;
}

QPushButton* Button(const char* name, const QString& caption) {
  QPushButton* button = Named(new QPushButton(caption), name);
  button->setAutoDefault(true);
  return button;
}

QLineEdit* Edit(const char* name, const QString& text) {
  return Named(new QLineEdit(text), name);
}

QListWidget* List(const char* name) {
  QListWidget* list = Named(new QListWidget, name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

QLabel* Trigger(const char* name) {
  QLabel* label = NamedLabel(name, QString());
  label->setFixedSize(4, 4);
  return label;
}

}  // namespace zarkel::widgets
