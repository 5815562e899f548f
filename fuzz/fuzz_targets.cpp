// One entry for every reader of a file a player can edit or damage. The build picks the
// reader with FUZZ_READER (the others go unused there); libFuzzer, or the replay program in the
// normal build, calls it.
#include "cards/address_files.h"
#include "cards/message_files.h"
#include "cards/reply_settings.h"
#include "common/cp932_codec.h"
#include "common/record_text.h"
#include "go/board_model.h"
#include "output/sgf_import.h"
#include "store/game_info_file.h"
#include "store/record_file.h"
#include "store/settings_file.h"
#include "store/time_limits_file.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>

#include <unistd.h>
#include <cstddef>
#include <cstdint>

namespace {

/// A folder of this process's own, on a memory file system where there is one; removed when
/// the process ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        path_ = base + QStringLiteral("/soramame-fuzz-%1").arg(getpid());
        QDir().mkpath(path_);
    }
    ~ScratchFolder() { QDir(path_).removeRecursively(); }
    const QString& path() const { return path_; }

  private:
    QString path_;
};

const QString& Scratch() {
    static const ScratchFolder folder;
    return folder.path();
}

/// The input as the file `name` in the scratch folder: the readers take paths.
QString AsFile(const QString& name, const QByteArray& bytes) {
    const QString path = Scratch() + '/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

[[maybe_unused]] void Record(const QByteArray& bytes) {
    // The board model replays what the loader kept, as choosing the game does.
    go::BoardModel model;
    model.ShowRecord(AsFile(QStringLiteral("01.txt"), bytes));
    model.ShowFromMove(bytes.size() % 300);
    while (model.StepBack() == go::StepResult::Stepped) {
    }
}

[[maybe_unused]] void Settings(const QByteArray& bytes) {
    common::Settings settings;
    store::ReadSettings(AsFile(QStringLiteral("KurumiSet.dat"), bytes), settings);
}

[[maybe_unused]] void ReplySettings(const QByteArray& bytes) {
    postcard::ReadReplySettings(AsFile(QStringLiteral("ReplySet.dat"), bytes));
}

[[maybe_unused]] void Messages(const QByteArray& bytes) {
    // The archive is read and written back with the new card in front of it.
    QDir().mkpath(Scratch() + QStringLiteral("/Message"));
    AsFile(QStringLiteral("Message/相手.txt"), bytes);
    postcard::ArchiveMessage(postcard::SentCard{Scratch(), QStringLiteral("相手"),
                                                QStringLiteral("本文"), QDate(2026, 12, 8)});
}

[[maybe_unused]] void Address(const QByteArray& bytes) {
    const QString path = AsFile(QStringLiteral("address.txt"), bytes);
    postcard::ReadAddressee(path);
    postcard::ReadSender(path);
    postcard::ReadAddressSettings(path);
}

[[maybe_unused]] void Layout(const QByteArray& bytes) {
    postcard::CardLayout layout = postcard::DefaultLayout();
    postcard::ReadLayout(AsFile(QStringLiteral("TextPos0.dat"), bytes), layout);
}

[[maybe_unused]] void Cp932(const QByteArray& bytes) {
    const QString text = common::DecodeCp932(bytes);
    common::DecodeCp932(common::EncodeCp932(text));
}

[[maybe_unused]] void Fields(const QByteArray& bytes) {
    // The byte reader must find exactly the fields and numbers the text reader finds in the
    // decoded line; any difference ends the run.
    common::FieldReader reader(common::DecodeCp932(bytes));
    common::ByteFieldReader byteReader(bytes);
    for (int i = 0; i < 64; ++i) {
        if (i % 2 == 0) {
            QString text;
            QByteArrayView field;
            const bool more = reader.NextText(text);
            if (more != byteReader.NextBytes(field) ||
                (more && text != common::DecodeCp932(field.toByteArray())))
                std::abort();
            if (!more)
                break;
        } else {
            qint16 number = 0;
            qint16 byteNumber = 0;
            const bool read = reader.NextInt16(number);
            if (read != byteReader.NextInt16(byteNumber) || (read && number != byteNumber))
                std::abort();
        }
    }
    common::FieldReader wide(common::DecodeCp932(bytes));
    qint32 large = 0;
    while (wide.NextInt32(large)) {
    }
}

[[maybe_unused]] void TimeLimits(const QByteArray& bytes) {
    // What was read must write and read back the same.
    const QString path = AsFile(QStringLiteral("期限設定.dat"), bytes);
    const store::TimeLimitSettings read = store::ReadTimeLimits(path);
    if (store::WriteTimeLimits(path, read) && store::ReadTimeLimits(path) != read)
        std::abort();
}

[[maybe_unused]] void Sgf(const QByteArray& bytes) {
    output::ImportSgf(bytes, bytes.size() % 2 == 0, QDate(2026, 12, 8));
}

[[maybe_unused]] void GameInfo(const QByteArray& bytes) {
    // Once written, what is read back must write and read back the same (the first writing
    // may turn characters outside CP932 into "?").
    AsFile(QStringLiteral("01.info"), bytes);
    const QString record = Scratch() + QStringLiteral("/01.txt");
    const std::optional<store::GameInfo> read = store::ReadGameInfo(record);
    if (!read || !store::WriteGameInfo(record, *read))
        return;
    const std::optional<store::GameInfo> once = store::ReadGameInfo(record);
    if (!once || !store::WriteGameInfo(record, *once) || store::ReadGameInfo(record) != once)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_READER(bytes);
    return 0;
}
