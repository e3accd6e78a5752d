#include "ui/shared/CaptionApply.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace vornel {

void applyCaptions(QWidget* window, const CaptionTable& table)
{
    window->setWindowTitle(QString::fromStdString(table.title()));
    for (const ControlCaption& c : table.controls()) {
        if (c.widget.empty())
            continue;  // an empty name would match any child
        const QString name = QString::fromStdString(c.widget);
        const QString text = QString::fromStdString(c.caption);
        if (auto* w = window->findChild<QLabel*>(name))
            w->setText(text);
        else if (auto* b = window->findChild<QAbstractButton*>(name))
            b->setText(text);
        else if (auto* g = window->findChild<QGroupBox*>(name))
            g->setTitle(text);
        else if (auto* m = window->findChild<QMenu*>(name))
            m->setTitle(text);
        else if (auto* a = window->findChild<QAction*>(name))
            a->setText(text);
    }
}

}  // namespace vornel
