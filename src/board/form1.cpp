#include "board/form1.h"

#include "store/start_store.h"

namespace board {

Form1::Form1(common::AppState& state, common::Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ソラマメ Ｖ３．０"));
    Form_Load();
}

void Form1::Form_Load() {
    store::StartStore(state_, state_.dataRoot);
}

}  // namespace board
