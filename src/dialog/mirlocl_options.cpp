// The option controls, one row each: the widget and the option it shows.
// Rows run in the tab order; a control that takes no focus is passed over.
#include "dialog/optioncontrol.h"

#include <QCoreApplication>

#define WIDGET(name) .widget = &MirloCL::name, .objectName = #name

const QList<MirloCL::OptionControl> &MirloCL::optionControls()
{
    static const QList<OptionControl> rows = {
        {WIDGET(rbFunctions_none), .group = &MirloCL::bgFunctions, .geometry = {10, 15, 87, 18},
         .text = QT_TRANSLATE_NOOP3("MirloCL", "None", "functions"), .option = optionNamed("noFunctions"), .keyRank = 7},
        {WIDGET(rbFunctions_functions), .group = &MirloCL::bgFunctions, .geometry = {10, 35, 120, 18},
         .text = {QT_TR_NOOP("Functions")}, .option = optionNamed("functions"), .keyRank = 8},
        {WIDGET(rbFunctions_with_exits), .group = &MirloCL::bgFunctions, .geometry = {10, 55, 110, 18},
         .text = {QT_TR_NOOP("With Exits")}, .option = optionNamed("functionsWithExits"), .keyRank = 9},
        {WIDGET(rbCalls_none), .group = &MirloCL::bgCalls, .geometry = {10, 15, 87, 18},
         .text = QT_TRANSLATE_NOOP3("MirloCL", "None", "calls"), .option = optionNamed("noCalls"), .keyRank = 10},
        {WIDGET(rbCalls_calls), .group = &MirloCL::bgCalls, .geometry = {10, 35, 87, 18},
         .text = {QT_TR_NOOP("Calls")}, .option = optionNamed("calls"), .keyRank = 11,
         .focus = Qt::ClickFocus},
        {WIDGET(rbBlocks_none), .group = &MirloCL::bgBlocks, .geometry = {10, 15, 87, 18},
         .text = QT_TRANSLATE_NOOP3("MirloCL", "None", "blocks"), .option = optionNamed("noBlocks"), .keyRank = 12},
        {WIDGET(rbBlocks_statement_blocks), .group = &MirloCL::bgBlocks, .geometry = {10, 35, 160, 18},
         .text = {QT_TR_NOOP("Statement Blocks")}, .option = optionNamed("statementBlocks"), .keyRank = 13},
        {WIDGET(rbBlocks_implicit_blocks), .group = &MirloCL::bgBlocks, .geometry = {10, 55, 145, 18},
         .text = {QT_TR_NOOP("Implicit Blocks")}, .option = optionNamed("implicitBlocks"), .keyRank = 14,
         .focus = Qt::ClickFocus},
        {WIDGET(rbBlocks_loops), .group = &MirloCL::bgBlocks, .geometry = {10, 75, 120, 18},
         .text = {QT_TR_NOOP("Loops")}, .option = optionNamed("loops"), .keyRank = 15,
         .focus = Qt::ClickFocus},
        {WIDGET(rbConditions_none), .group = &MirloCL::bgConditions, .geometry = {10, 15, 120, 18},
         .text = QT_TRANSLATE_NOOP3("MirloCL", "None", "conditions"), .option = optionNamed("noConditions"), .keyRank = 16},
        {WIDGET(rbConditions_basic), .group = &MirloCL::bgConditions, .geometry = {10, 35, 93, 18},
         .text = {QT_TR_NOOP("Basic")}, .option = optionNamed("basicConditions"), .keyRank = 17},
        {WIDGET(rbConditions_modified_multiple), .group = &MirloCL::bgConditions, .geometry = {10, 55, 150, 18},
         .text = {QT_TR_NOOP("Modified/Multiple")}, .option = optionNamed("modifiedConditions"),
         .keyRank = 18},
        {WIDGET(rbConditions_forced), .group = &MirloCL::bgConditions, .geometry = {10, 75, 145, 18},
         .text = {QT_TR_NOOP("Forced")}, .option = optionNamed("forcedConditions"), .keyRank = 19},
        {WIDGET(cbRuntimeTrace), .group = &MirloCL::gbFeatureActivation, .geometry = {15, 20, 200, 18},
         .text = {QT_TR_NOOP("Runtime Trace")}, .option = optionNamed("runtimeTrace"), .keyRank = 4},
        {WIDGET(cbMemoryProfiling), .group = &MirloCL::gbFeatureActivation, .geometry = {15, 45, 200, 18},
         .text = {QT_TR_NOOP("Memory Profiling")}, .option = optionNamed("memoryProfiling"), .keyRank = 5},
        {WIDGET(cbPerformanceProfiling), .group = &MirloCL::gbFeatureActivation, .geometry = {15, 70, 195, 18},
         .text = {QT_TR_NOOP("Performance Profiling")}, .option = optionNamed("performanceProfiling"), .keyRank = 6},
        {WIDGET(cbAda83Restrictions), .group = &MirloCL::gbAdaOptions, .geometry = {15, 20, 140, 18},
         .text = {QT_TR_NOOP("Ada 83 Restrictions")}, .option = optionNamed("ada83"), .keyRank = 3},
        // Its field's name: greyed with the field, so as not to read as usable.
        {WIDGET(lblLinkFile), .group = &MirloCL::gbAdaOptions, .geometry = {15, 40, 56, 13},
         .text = {QT_TR_NOOP("Link File :")}, .keyRank = 1, .focus = Qt::NoFocus},
        {WIDGET(txtLinkFile), .group = &MirloCL::gbAdaOptions, .geometry = {10, 58, 197, 20}, .option = optionNamed("linkFile")},
        {WIDGET(btLinkFile), .group = &MirloCL::gbAdaOptions, .geometry = {218, 58, 40, 20},
         .text = {QT_TR_NOOP("...")}},
        {WIDGET(rbInstrumentationMode_pass), .group = &MirloCL::bgInstrumentationMode, .geometry = {10, 15, 93, 18},
         .text = {QT_TR_NOOP("Pass")}, .option = optionNamed("pass"), .keyRank = 20},
        {WIDGET(rbInstrumentationMode_count), .group = &MirloCL::bgInstrumentationMode, .geometry = {10, 35, 93, 18},
         .text = {QT_TR_NOOP("Count")}, .option = optionNamed("count"), .keyRank = 21},
        {WIDGET(rbInstrumentationMode_compact), .group = &MirloCL::bgInstrumentationMode, .geometry = {10, 55, 93, 18},
         .text = {QT_TR_NOOP("Compact")}, .option = optionNamed("compact"), .keyRank = 22},
        {WIDGET(cbTernaryCoverage), .group = &MirloCL::gbTernary, .geometry = {10, 20, 160, 18},
         .text = {QT_TR_NOOP("No Ternaries Coverage")}, .option = optionNamed("noTernary"), .keyRank = 2, .textIsToolTip = true},
        {WIDGET(rbFunctionDump_none), .group = &MirloCL::bgFunctionDump, .geometry = {10, 15, 93, 18},
         .text = QT_TRANSLATE_NOOP3("MirloCL", "None", "dump"), .option = optionNamed("noDump"), .keyRank = 23},
        {WIDGET(rbFunctionDump_before_call), .group = &MirloCL::bgFunctionDump, .geometry = {10, 35, 155, 18},
         .text = {QT_TR_NOOP("Before Call (C only)")}, .option = optionNamed("dumpBeforeCall"),
         .keyRank = 24, .textIsToolTip = true},
        {WIDGET(rbFunctionDump_after_call), .group = &MirloCL::bgFunctionDump, .geometry = {10, 55, 115, 18},
         .text = {QT_TR_NOOP("After Call")}, .option = optionNamed("dumpAfterCall"),
         .keyRank = 25},
        {WIDGET(rbFunctionDump_before_return), .group = &MirloCL::bgFunctionDump, .geometry = {10, 75, 130, 18},
         .text = {QT_TR_NOOP("Before Return")}, .option = optionNamed("dumpBeforeReturn"),
         .keyRank = 26},
        {WIDGET(txtFunctionDump), .group = &MirloCL::bgFunctionDump, .geometry = {10, 100, 155, 20}, .option = optionNamed("dumpFunction")},
        {WIDGET(txtStaticFileDirectory), .group = &MirloCL::gbStaticFileDirectory, .geometry = {10, 20, 290, 20}, .option = optionNamed("staticFileDirectory")},
        {WIDGET(btStaticFileDirectory), .group = &MirloCL::gbStaticFileDirectory, .geometry = {310, 20, 40, 20},
         .text = {QT_TR_NOOP("...")}},
        {WIDGET(txtOther), .group = &MirloCL::gbOther, .geometry = {10, 15, 550, 20}, .option = optionNamed("otherOptions")},
        // Its field's name: greyed with the field, so as not to read as usable.
    };
    return rows;
}
