// Replays the given input files and folders through a fuzz target, as libFuzzer does, so builds
// without libFuzzer keep every stored input under test.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char *argv[])
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    QFileInfoList inputs;
    for (int idx = 1; idx < argc; ++idx) {
        const QFileInfo path(QString::fromLocal8Bit(argv[idx]));
        inputs << (path.isDir() ? QDir(path.filePath()).entryInfoList(QDir::Files, QDir::Name)
                                : QFileInfoList {path});
    }
    for (const QFileInfo &input : qAsConst(inputs)) {
        QFile file(input.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray data = file.readAll();
        LLVMFuzzerTestOneInput(
            reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
    }
    std::printf("replayed %d inputs\n", int(inputs.size()));
    return inputs.isEmpty() ? 1 : 0;
}
