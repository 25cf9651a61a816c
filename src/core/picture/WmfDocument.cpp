#include "picture/WmfDocument.h"

namespace terralore {

QByteArrayView WmfParams::bytes(qsizetype word, qsizetype length) const
{
    if (word < 0 || word >= m_words || length <= 0)
        return {};
    const qsizetype available = (m_words - word) * 2;
    return QByteArrayView(m_data + 2 * word, qMin(length, available));
}

WmfParams WmfParams::from(qsizetype word) const
{
    if (word < 0 || word >= m_words)
        return {};
    return WmfParams(m_data + 2 * word, m_words - word);
}

} // namespace terralore
