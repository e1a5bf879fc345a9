#include "gui/AccessibleNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

// A drop-down's edit field and its list take the focus of their own and get the same name.
void nameAfterLabel(QLabel *label, QWidget *box)
{
    label->setBuddy(box);
    QString name = label->text().trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    box->setAccessibleName(name);
    if (auto *dropDown = qobject_cast<QComboBox *>(box)) {
        dropDown->view()->setAccessibleName(name);
        if (dropDown->lineEdit())
            dropDown->lineEdit()->setAccessibleName(name);
    }
}
