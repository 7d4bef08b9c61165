#include "cli/Sha256.h"

#ifdef VIREO_HAVE_OPENSSL
#include <openssl/sha.h>
#else
#include <QCryptographicHash>
#endif

QByteArray sha256Hex(QByteArrayView data)
{
#ifdef VIREO_HAVE_OPENSSL
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(data.data()), size_t(data.size()), digest);
    return QByteArray(reinterpret_cast<const char *>(digest), SHA256_DIGEST_LENGTH).toHex();
#else
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
#endif
}
