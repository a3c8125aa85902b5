#include "supportcheck.h"

#include <QCheckBox>

namespace support {

void updateSupportCaption(QCheckBox &box)
{
    switch (box.checkState()) {
    case Qt::Checked: box.setText(QStringLiteral("支持（谢谢支持！）")); break;
    case Qt::Unchecked: box.setText(QStringLiteral("支持（好气啊，取消不了了吧！）")); break;
    case Qt::PartiallyChecked: // never set by a user; the caption stays
        break;
    }
}

} // namespace support
