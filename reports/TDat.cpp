// The aggregation operations of TDat, one per form; each form's module holds the work.
#include "Form1_2.h"
#include "Form1_3.h"
#include "Form1_5.h"
#include "Form2_1.h"
#include "Form2_2.h"
#include "Form3_1.h"
#include "ReportRun.h"

#include "Database.h"

void TDat::Calc_Form1_2(ReportContext &context)
{
    calcForm1_2(context);
}

void TDat::Calc_Form1_3(ReportContext &context)
{
    calcForm1_3(context);
}

void TDat::Calc_Form1_4(ReportContext &context)
{
    calcForm1_4(context);
}

void TDat::Calc_Form1_5(ReportContext &context)
{
    calcForm1_5(context);
}

void TDat::Calc_Form1_6(ReportContext &context)
{
    calcForm1_6(context);
}

void TDat::Calc_Form2_1(ReportContext &context)
{
    calcForm2_1(context);
}

void TDat::Calc_Form2_2(ReportContext &context, GradingScope scope,
                        const QString &constructionClass, const QString &inspectorName)
{
    calcForm2_2(context, scope, constructionClass, inspectorName);
}

void TDat::Calc_Form3_1(ReportContext &context, DepartmentScope scope)
{
    // The section list goes through its own query (ADOQuery_Ka) on the same connection.
    if (context.sections) {
        calcForm3_1(context, *context.sections, scope);
        return;
    }
    Query sections(context.db);
    calcForm3_1(context, sections, scope);
}

void TDat::Calc_Form2_2AllWorks(ReportContext &context)
{
    Calc_Form2_2(context, GradingScope::AllWorks, QString(), QString());
}

void TDat::Calc_Form3_1AllSections(ReportContext &context)
{
    Calc_Form3_1(context, DepartmentScope::AllSections);
}
