<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MirloCL</name>
    <message>
        <source>Vimbra Runtime Analysis Setup</source>
        <translation>Vimbra – Einrichtung der Laufzeitanalyse</translation>
    </message>
    <message>
        <source>Feature Activation (C/C++)</source>
        <translation>Laufzeitanalysen (C/C++)</translation>
    </message>
    <message>
        <source>Runtime Trace</source>
        <translation>Laufzeit-Trace</translation>
    </message>
    <message>
        <source>Memory Profiling</source>
        <translation>Speicher-Profiling</translation>
    </message>
    <message>
        <source>Performance Profiling</source>
        <translation>Performance-Profiling</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Ada Options (Ada)</source>
        <translation>Ada-Optionen (Ada)</translation>
    </message>
    <message>
        <source>Ada 83 Restrictions</source>
        <translation>Ada-83-Regeln</translation>
    </message>
    <message>
        <source>Link File :</source>
        <translation>Linkdatei:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Instrumentation Mode (C/C++)</source>
        <translation>Instrumentierung (C/C++)</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Durchlauf</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Zählung</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Kompakt</translation>
    </message>
    <message>
        <source>Ternary (C/C++)</source>
        <translation>Ternärer Operator (C/C++)</translation>
    </message>
    <message>
        <source>No Ternaries Coverage</source>
        <translation>Keine Ternär-Abdeckung</translation>
    </message>
    <message>
        <source>Code Coverage Levels</source>
        <translation>Abdeckungsstufen</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>With Exits</source>
        <translation>Mit Ausgängen</translation>
    </message>
    <message>
        <source>Calls (C/Ada)</source>
        <translation>Aufrufe (C/Ada)</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Aufrufe</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Implicit Blocks</source>
        <translation>Implizite Blöcke</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Schleifen</translation>
    </message>
    <message>
        <source>Statement Blocks</source>
        <translation>Anweisungsblöcke</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Erzwungen</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Modified/Multiple</source>
        <translation>Modifiziert/Mehrfach</translation>
    </message>
    <message>
        <source>Static File Directory</source>
        <translation>Verzeichnis der statischen Dateien</translation>
    </message>
    <message>
        <source>Function Specific Dump</source>
        <translation>Dump je Funktion</translation>
    </message>
    <message>
        <source>After Call</source>
        <translation>Nach Aufruf</translation>
    </message>
    <message>
        <source>Before Call (C only)</source>
        <translation>Vor Aufruf (nur C)</translation>
    </message>
    <message>
        <source>Before Return</source>
        <translation>Vor dem Ausgang</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>None</source>
        <comment>functions</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>calls</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>blocks</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>conditions</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>None</source>
        <comment>dump</comment>
        <translation>Kein Dump</translation>
    </message>
    <message>
        <source>Runtime analysis</source>
        <translation>Laufzeitanalyse</translation>
    </message>
    <message>
        <source>Switches runtime analysis on or off for the project; OK or Apply saves it</source>
        <translation>Schaltet die Laufzeitanalyse des Projekts ein oder aus; OK oder Anwenden speichert es</translation>
    </message>
    <message>
        <source>Function name</source>
        <translation>Funktionsname</translation>
    </message>
    <message>
        <source>Writes %1.</source>
        <translation>Schreibt %1.</translation>
    </message>
    <message>
        <source>Writes %1 followed by the function name.</source>
        <translation>Schreibt %1, gefolgt vom Funktionsnamen.</translation>
    </message>
    <message>
        <source>No function coverage.</source>
        <translation>Keine Abdeckung der Funktionen.</translation>
    </message>
    <message>
        <source>Function coverage of the functions&apos; entries.</source>
        <translation>Abdeckung der Funktionen an ihren Eingängen.</translation>
    </message>
    <message>
        <source>Function coverage of the functions&apos; entries and exits.</source>
        <translation>Abdeckung der Funktionen an ihren Eingängen und Ausgängen.</translation>
    </message>
    <message>
        <source>No call coverage.</source>
        <translation>Keine Abdeckung der Aufrufe.</translation>
    </message>
    <message>
        <source>Call coverage, in C and Ada.</source>
        <translation>Abdeckung der Aufrufe, in C und Ada.</translation>
    </message>
    <message>
        <source>No block coverage.</source>
        <translation>Keine Abdeckung der Blöcke.</translation>
    </message>
    <message>
        <source>Block coverage of statement blocks.</source>
        <translation>Abdeckung der Anweisungsblöcke.</translation>
    </message>
    <message>
        <source>Block coverage of implicit blocks.</source>
        <translation>Abdeckung der impliziten Blöcke.</translation>
    </message>
    <message>
        <source>Block coverage of loops.</source>
        <translation>Abdeckung der Blöcke von Schleifen.</translation>
    </message>
    <message>
        <source>No condition coverage.</source>
        <translation>Keine Abdeckung der Bedingungen.</translation>
    </message>
    <message>
        <source>Condition coverage of basic conditions.</source>
        <translation>Abdeckung der einfachen Bedingungen.</translation>
    </message>
    <message>
        <source>Condition coverage of modified and multiple conditions.</source>
        <translation>Abdeckung der modifizierten und mehrfachen Bedingungen.</translation>
    </message>
    <message>
        <source>Condition coverage with forced evaluation.</source>
        <translation>Abdeckung der Bedingungen mit erzwungener Auswertung.</translation>
    </message>
    <message>
        <source>Instrumentation in pass mode, for C and C++.</source>
        <translation>Instrumentierung im Durchlaufmodus, für C und C++.</translation>
    </message>
    <message>
        <source>Writes no option: a line without %1 and %2 is in pass mode.</source>
        <translation>Schreibt keine Option: eine Zeile ohne %1 und %2 ist im Durchlaufmodus.</translation>
    </message>
    <message>
        <source>Instrumentation in count mode, for C and C++.</source>
        <translation>Instrumentierung im Zählmodus, für C und C++.</translation>
    </message>
    <message>
        <source>Instrumentation in compact mode, for C and C++.</source>
        <translation>Instrumentierung im kompakten Modus, für C und C++.</translation>
    </message>
    <message>
        <source>No function specific dump.</source>
        <translation>Kein Dump je Funktion.</translation>
    </message>
    <message>
        <source>Writes no dump option.</source>
        <translation>Schreibt keine Dump-Option.</translation>
    </message>
    <message>
        <source>A dump before each call of the function named below, in C only.</source>
        <translation>Ein Dump vor jedem Aufruf der unten genannten Funktion, nur in C.</translation>
    </message>
    <message>
        <source>A dump after each call of the function named below.</source>
        <translation>Ein Dump nach jedem Aufruf der unten genannten Funktion.</translation>
    </message>
    <message>
        <source>A dump before the function named below returns.</source>
        <translation>Ein Dump, bevor die unten genannte Funktion zurückkehrt.</translation>
    </message>
    <message>
        <source>Activates the runtime trace, for C and C++.</source>
        <translation>Aktiviert den Laufzeit-Trace, für C und C++.</translation>
    </message>
    <message>
        <source>Activates memory profiling, for C and C++.</source>
        <translation>Aktiviert das Speicher-Profiling, für C und C++.</translation>
    </message>
    <message>
        <source>Activates performance profiling, for C and C++.</source>
        <translation>Aktiviert das Performance-Profiling, für C und C++.</translation>
    </message>
    <message>
        <source>Applies the Ada 83 restrictions, for Ada.</source>
        <translation>Wendet die Ada-83-Regeln an, für Ada.</translation>
    </message>
    <message>
        <source>Leaves ternary expressions out of the coverage, for C and C++.</source>
        <translation>Nimmt ternäre Ausdrücke von der Abdeckung aus, für C und C++.</translation>
    </message>
</context>
<context>
    <name>Vimbracl caption</name>
    <message>
        <source>Choose a directory</source>
        <translation>Verzeichnis auswählen</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Vimbracl message</name>
    <message>
        <source>Unable to create the file &quot;%1&quot;</source>
        <comment>%1 is the file name</comment>
        <translation>Die Datei „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to write in the file &quot;%1&quot;</source>
        <comment>%1 is the file name</comment>
        <translation>In die Datei „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Error in Command Line : no File</source>
        <translation>Fehler in der Befehlszeile: keine Datei angegeben</translation>
    </message>
    <message>
        <source>Dump option : The name of the function is not provided.
For more informations, please refer to the Coverage reference manual.</source>
        <translation>Dump-Option: Der Name der Funktion fehlt.
Weitere Informationen finden Sie im Referenzhandbuch zur Codeabdeckung.</translation>
    </message>
    <message>
        <source>Unable to read the file &quot;%1&quot;</source>
        <comment>%1 is the file name</comment>
        <translation>Die Datei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Error in Command Line : the file name &quot;%1&quot; is not valid in the system&apos;s character encoding</source>
        <comment>%1 is the file name, with the characters that cannot be shown replaced</comment>
        <translation>Fehler in der Befehlszeile: Der Dateiname „%1“ ist in der Zeichenkodierung des Systems nicht gültig</translation>
    </message>
    <message>
        <source>Error in Command Line : the current directory cannot be found, so the relative file name &quot;%1&quot; cannot be used</source>
        <comment>%1 is the file name</comment>
        <translation>Fehler in der Befehlszeile: Das aktuelle Verzeichnis ist nicht auffindbar, daher kann der relative Dateiname „%1“ nicht verwendet werden</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has been changed by another program since it was read.
Overwrite it?</source>
        <comment>%1 is the file name</comment>
        <translation>Die Datei „%1“ wurde seit dem Lesen von einem anderen Programm geändert.
Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>A save of &quot;%1&quot; was interrupted. Its previous content is in &quot;%2&quot;.</source>
        <comment>%1 is the file name, %2 the name of the copy of its previous content</comment>
        <translation>Das Speichern von „%1“ wurde unterbrochen. Der vorherige Inhalt steht in „%2“.</translation>
    </message>
    <message>
        <source>Now in the file: %1
To be written: %2</source>
        <comment>%1 and %2 are the first lines of the file</comment>
        <translation>Jetzt in der Datei: %1
Zu schreiben: %2</translation>
    </message>
    <message>
        <source>No: the file is left as it is.</source>
        <translation>Nein: Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Error in Command Line : %1</source>
        <translation>Fehler in der Befehlszeile : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting and its value, NAME=VALUE</source>
        <translation>„%1“ ist keine Einstellung mit Wert, NAME=WERT</translation>
    </message>
    <message>
        <source>there is no setting &quot;%1&quot;; the settings are: %2</source>
        <comment>%2 lists the settings&apos; names</comment>
        <translation>Es gibt keine Einstellung „%1“; die Einstellungen sind: %2</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; cannot hold a line break</source>
        <translation>Die Einstellung „%1“ kann keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; cannot be &quot;%2&quot;; its values are: %3</source>
        <comment>%3 lists the setting&apos;s values</comment>
        <translation>Die Einstellung „%1“ kann nicht „%2“ sein; ihre Werte sind: %3</translation>
    </message>
    <message>
        <source>--show takes one file, not &quot;%1&quot; too</source>
        <translation>--show nimmt eine Datei, nicht auch „%1“</translation>
    </message>
    <message>
        <source>--set needs NAME=VALUE, --on or --off before the file</source>
        <translation>--set braucht NAME=WERT, --on oder --off vor der Datei</translation>
    </message>
    <message>
        <source>--show changes nothing: it takes no --set, --on or --off</source>
        <translation>--show ändert nichts: Es nimmt kein --set, --on oder --off</translation>
    </message>
    <message>
        <source>Try &quot;vimbracl --help&quot;.</source>
        <translation>Versuchen Sie „vimbracl --help“.</translation>
    </message>
</context>
</TS>
