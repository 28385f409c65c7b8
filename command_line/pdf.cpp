// PDF output through the same plan and page painter as the print dialog.
#include "command_line/pdf.h"

#include "drawing/seite.h"
#include "platform/druckgeraet.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <functional>

namespace {

// The print dialog's PDF printer lends its page: the paper's default margins.
QPageLayout Seite(const std::string& seite) {
    const QPageSize::PageSizeId format = seite == "A3"       ? QPageSize::A3
                                         : seite == "Letter" ? QPageSize::Letter
                                                             : QPageSize::A4;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(format));
    drucker.setPageOrientation(QPageLayout::Portrait);
    return drucker.pageLayout();
}

std::string Pdf(const std::string& seite, const std::function<Druck(const CDC&)>& plane,
                std::string& pdf) {
    QByteArray dokument;
    CDC dc;
    dc.Attach(PdfGeraet(Seite(seite), &dokument));
    const Druck druck = plane(dc);
    if (!druck.fehler.empty())
        return druck.fehler;
    if (std::string fehler = DruckeDokument(dc, druck); !fehler.empty())
        return fehler;
    dc.DeleteDC();
    pdf = dokument.toStdString();
    return {};
}

} // namespace

std::string PdfDokument(const std::string& seite, const Auftrag& auftrag, const Umriss& umriss,
                        std::string& pdf) {
    return Pdf(
        seite, [&](const CDC& dc) { return PlaneDruck(dc, auftrag, umriss); }, pdf);
}

std::string PdfDokument(const std::string& seite, const Rippenteile& teile, std::string& pdf) {
    return Pdf(
        seite, [&](const CDC& dc) { return PlaneDruck(dc, teile); }, pdf);
}

std::string PdfPlanFehler(const std::string& seite, const Rippenteile& teile) {
    QByteArray dokument;
    CDC dc;
    dc.Attach(PdfGeraet(Seite(seite), &dokument));
    return PlaneDruck(dc, teile).fehler;
}
