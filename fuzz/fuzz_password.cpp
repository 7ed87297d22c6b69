// The stored key-print password: decoding any text either fails cleanly or yields a password
// that encodes back to the same text (when no piece has a leading zero).
#include "platform/AppError.h"
#include "settings/HesloT.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString stored = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString password;
    try {
        password = TFrmHesloT::DecodePassword(stored);
    } catch (const AppError &) {
        return 0;
    }
    bool leadingZero = false;
    for (qsizetype piece = 0; piece < stored.size(); piece += 2)
        leadingZero = leadingZero || stored[piece] == QLatin1Char('0');
    if (!leadingZero && TFrmHesloT::EncodePassword(password) != stored)
        std::abort();
    return 0;
}
