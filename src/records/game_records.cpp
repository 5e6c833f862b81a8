#include "game_records.h"

#include <QDir>
#include <QElapsedTimer>

#include "engine/host.h"
#include "engine/strings.h"

namespace quintrick {

void CGameRecords::Open(const QString& path, bool readOnly) {
    switch (m_db.Open(path, readOnly)) {
        case CRecordsDb::Opened::Ok:
            break;
        case CRecordsDb::Opened::MovedAside:
            m_say(kMsgRecordsMovedAside,
                  QDir::toNativeSeparators(m_db.MovedTo()).toStdString() + "\n", kStyleInfo);
            break;
        case CRecordsDb::Opened::Unavailable:
            Unavailable();
            break;
    }
}

void CGameRecords::Store(const MatchRecord& match) {
    if (!m_db.IsOpen()) return;
    QElapsedTimer timer;
    timer.start();
    const bool ok = m_db.StoreMatch(match);
    m_lastWriteMs = double(timer.nsecsElapsed()) / 1e6;
    if (!ok) {
        m_db.Close();
        Unavailable();
    }
}

void CGameRecords::Unavailable() {
    if (m_saidUnavailable) return;
    m_saidUnavailable = true;
    m_say(kMsgRecordsUnwritable, QDir::toNativeSeparators(m_db.Path()).toStdString() + "\n",
          kStyleError);
}

}  // namespace quintrick
