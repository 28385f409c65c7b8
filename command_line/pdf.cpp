// PDF output through the same plan and page painter as the print dialog.
#include "command_line/pdf.h"

#include "drawing/seite.h"
#include "platform/druckgeraet.h"

#include <QByteArray>
#include <QPageSize>
#include <QPrinter>

#include <functional>

namespace {

std::string Pdf(const std::string& seite, const std::function<Druck(const CDC&)>& plane,
                std::string& pdf) {
    const QPageSize::PageSizeId format = seite == "A3"       ? QPageSize::A3
                                         : seite == "Letter" ? QPageSize::Letter
                                                             : QPageSize::A4;
    // The print dialog's PDF printer lends its page: the paper's default margins.
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageSize(QPageSize(format));
    drucker.setPageOrientation(QPageLayout::Portrait);

    QByteArray dokument;
    CDC dc;
    dc.Attach(PdfGeraet(drucker.pageLayout(), &dokument));
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
