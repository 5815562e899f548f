#include "board/guide_follower.h"

#include "common/guide_texts.h"

#include <QEvent>
#include <QLabel>

namespace board {

void GuideFollower::Follow(QWidget* control) {
    if (control != nullptr)
        control->installEventFilter(this);
}

bool GuideFollower::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        const QString text = common::GuideText(watched->objectName(), state_.inProgressFolder);
        if (!text.isEmpty())
            guideLabel_->setText(state_.settings.showGuide == 1 ? text : common::GuideOffText());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace board
