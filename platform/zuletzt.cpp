// The recent-file list, kept in the settings.
#include "platform/afxwin.h"
#include "ui/einstellungsspeicher.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT nStart, const char* lpszSection, const char* lpszEntryFormat,
                                 int nSize)
    : m_nStart(nStart), m_strAbschnitt(lpszSection), m_strEintrag(lpszEntryFormat),
      m_nGroesse(std::max(nSize, 0)) {}

namespace {

std::string Eintrag(const std::string& format, int nummer) {
    std::string name = format;
    if (const std::size_t stelle = name.find("%d"); stelle != std::string::npos)
        name.replace(stelle, 2, std::to_string(nummer));
    return name;
}

} // namespace

void CRecentFileList::Add(const char* lpszPathName) {
    if (lpszPathName == nullptr || *lpszPathName == '\0' || m_nGroesse == 0)
        return;
    const CString pfad(lpszPathName);
    std::erase(m_dateien, pfad);
    m_dateien.insert(m_dateien.begin(), pfad);
    if (static_cast<int>(m_dateien.size()) > m_nGroesse)
        m_dateien.resize(static_cast<std::size_t>(m_nGroesse));
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < GetCount())
        m_dateien.erase(m_dateien.begin() + nIndex);
}

void CRecentFileList::ReadList() {
    m_dateien.clear();
    for (int i = 1; i <= m_nGroesse; ++i) {
        const CString pfad(
            EinstellungLesen(m_strAbschnitt + '/' + Eintrag(m_strEintrag, i)).value_or(""));
        // Gaps and doubles in a hand-edited file close up.
        if (!pfad.IsEmpty() &&
            std::find(m_dateien.begin(), m_dateien.end(), pfad) == m_dateien.end())
            m_dateien.push_back(pfad);
    }
}

void CRecentFileList::WriteList() {
    for (int i = 1; i <= m_nGroesse; ++i)
        EinstellungSchreiben(
            m_strAbschnitt + '/' + Eintrag(m_strEintrag, i),
            i <= GetCount()
                ? std::optional<std::string>(m_dateien[static_cast<std::size_t>(i - 1)].GetString())
                : std::nullopt);
}
