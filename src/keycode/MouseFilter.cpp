// Swallows mouse events so the lock-state check boxes keep their look but ignore clicks.
#include "keycode/MouseFilter.h"

#include <QMouseEvent>

MouseFilter::~MouseFilter() = default;

bool MouseFilter::eventFilter(QObject*, QEvent* event)
{
    return dynamic_cast<QMouseEvent*>(event) != nullptr;
}
