#include "testing/fake_platform.h"

common::MessageAnswer FakePlatform::ShowMessage(const QString& text, const QString& title,
                                                common::MessageButtons buttons,
                                                common::MessageIcon /*icon*/) {
    messages.append({text, title, buttons});
    if (!scriptedAnswers.isEmpty())
        return scriptedAnswers.takeFirst();
    return buttons == common::MessageButtons::YesNo ? common::MessageAnswer::Yes
                                                    : common::MessageAnswer::Ok;
}
