// PDF output through the same page painter as the print dialog.
#include "kommandozeile/pdf.h"

#include "platform/druckgeraet.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>

std::string SchreibePdf(const std::string& pfadUtf8, const std::string& seite,
                        const std::vector<Punkt>& punkte, const Druckkopf& kopf) {
    const QString ziel = QFileInfo(QString::fromStdString(pfadUtf8)).absoluteFilePath();
    // Beside the target, so the finished file can be renamed onto it in one step.
    QTemporaryFile teil(ziel + QStringLiteral(".XXXXXX"));
    if (!teil.open())
        return "Die Datei „" + pfadUtf8 +
               "“ kann nicht geschrieben werden: " + teil.errorString().toStdString();
    teil.close();

    const QPageSize::PageSizeId format = seite == "A3"       ? QPageSize::A3
                                         : seite == "Letter" ? QPageSize::Letter
                                                             : QPageSize::A4;
    std::string fehler;
    {
        // The print dialog's PDF output: high resolution, the paper's default margins.
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(teil.fileName());
        drucker.setPageSize(QPageSize(format));
        drucker.setPageOrientation(QPageLayout::Portrait);
        CDC dc;
        dc.Attach(DruckgeraetFuer(&drucker));
        const Seitenplan plan = PlaneDruck(dc, punkte);
        if (plan.zuBreit)
            fehler = ZuBreitText(plan);
        else
            fehler = DruckeDokument(dc, punkte, kopf, plan);
        dc.DeleteDC();
    }
    if (fehler.empty()) {
        teil.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                            QFile::ReadOther);
        if (std::rename(QFile::encodeName(teil.fileName()).constData(),
                        QFile::encodeName(ziel).constData()) != 0)
            fehler = "Die Datei „" + pfadUtf8 + "“ kann nicht geschrieben werden.";
    }
    return fehler;
}
