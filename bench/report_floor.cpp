// The floor the report is measured against: a program that only opens the
// history database (one query) and writes a PDF of two empty A4 pages.
// Usage: report_floor HISTORY.sqlite OUT.pdf
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlDatabase>
#include <QSqlQuery>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
        if (!db.open())
            return 1;
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM entries")) || !q.next())
            return 1;
    }
    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&pdf);
    pdf.newPage();
    painter.end();
    return 0;
}
