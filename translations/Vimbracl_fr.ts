<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MirloCL</name>
    <message>
        <source>Vimbra Runtime Analysis Setup</source>
        <translation>Configuration de l&apos;analyse d&apos;exécution Vimbra</translation>
    </message>
    <message>
        <source>Feature Activation (C/C++)</source>
        <translation>Analyses d&apos;exécution (C/C++)</translation>
    </message>
    <message>
        <source>Runtime Trace</source>
        <translation>Trace d&apos;exécution</translation>
    </message>
    <message>
        <source>Memory Profiling</source>
        <translation>Profilage mémoire</translation>
    </message>
    <message>
        <source>Performance Profiling</source>
        <translation>Profilage des performances</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Ada Options (Ada)</source>
        <translation>Options Ada (Ada)</translation>
    </message>
    <message>
        <source>Ada 83 Restrictions</source>
        <translation>Restrictions Ada 83</translation>
    </message>
    <message>
        <source>Link File :</source>
        <translation>Fich. lien&#xa0;:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Instrumentation Mode (C/C++)</source>
        <translation>Instrumentation (C/C++)</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passage</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Comptage</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compact</translation>
    </message>
    <message>
        <source>Ternary (C/C++)</source>
        <translation>Ternaires (C/C++)</translation>
    </message>
    <message>
        <source>No Ternaries Coverage</source>
        <translation>Exclure les ternaires</translation>
    </message>
    <message>
        <source>Code Coverage Levels</source>
        <translation>Niveaux de couverture</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>With Exits</source>
        <translation>Avec sorties</translation>
    </message>
    <message>
        <source>Calls (C/Ada)</source>
        <translation>Appels (C/Ada)</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Appels</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Implicit Blocks</source>
        <translation>Blocs implicites</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Boucles</translation>
    </message>
    <message>
        <source>Statement Blocks</source>
        <translation>Blocs d&apos;instructions</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Évaluation forcée</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Modified/Multiple</source>
        <translation>Modifiées/Multiples</translation>
    </message>
    <message>
        <source>Static File Directory</source>
        <translation>Répertoire des fichiers statiques</translation>
    </message>
    <message>
        <source>Function Specific Dump</source>
        <translation>Vidage par fonction</translation>
    </message>
    <message>
        <source>After Call</source>
        <translation>Après l&apos;appel</translation>
    </message>
    <message>
        <source>Before Call (C only)</source>
        <translation>Avant l&apos;appel (C seul)</translation>
    </message>
    <message>
        <source>Before Return</source>
        <translation>Avant le retour</translation>
    </message>
    <message>
        <source>Other Options</source>
        <translation>Autres options</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>None</source>
        <comment>functions</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None</source>
        <comment>calls</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>None</source>
        <comment>blocks</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>None</source>
        <comment>conditions</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>None</source>
        <comment>dump</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Runtime analysis</source>
        <translation>Analyse d&apos;exécution</translation>
    </message>
    <message>
        <source>Switches runtime analysis on or off for the project; OK or Apply saves it</source>
        <translation>Active ou désactive l&apos;analyse d&apos;exécution du projet&#xa0;; OK ou Appliquer l&apos;enregistre</translation>
    </message>
    <message>
        <source>Function name</source>
        <translation>Nom de la fonction</translation>
    </message>
    <message>
        <source>Writes %1.</source>
        <translation>Écrit %1.</translation>
    </message>
    <message>
        <source>Writes %1 followed by the function name.</source>
        <translation>Écrit %1 suivi du nom de la fonction.</translation>
    </message>
    <message>
        <source>No function coverage.</source>
        <translation>Aucune couverture des fonctions.</translation>
    </message>
    <message>
        <source>Function coverage of the functions&apos; entries.</source>
        <translation>Couverture des fonctions, à leurs entrées.</translation>
    </message>
    <message>
        <source>Function coverage of the functions&apos; entries and exits.</source>
        <translation>Couverture des fonctions, à leurs entrées et à leurs sorties.</translation>
    </message>
    <message>
        <source>No call coverage.</source>
        <translation>Aucune couverture des appels.</translation>
    </message>
    <message>
        <source>Call coverage, in C and Ada.</source>
        <translation>Couverture des appels, en C et en Ada.</translation>
    </message>
    <message>
        <source>No block coverage.</source>
        <translation>Aucune couverture des blocs.</translation>
    </message>
    <message>
        <source>Block coverage of statement blocks.</source>
        <translation>Couverture des blocs d&apos;instructions.</translation>
    </message>
    <message>
        <source>Block coverage of implicit blocks.</source>
        <translation>Couverture des blocs implicites.</translation>
    </message>
    <message>
        <source>Block coverage of loops.</source>
        <translation>Couverture des blocs des boucles.</translation>
    </message>
    <message>
        <source>No condition coverage.</source>
        <translation>Aucune couverture des conditions.</translation>
    </message>
    <message>
        <source>Condition coverage of basic conditions.</source>
        <translation>Couverture des conditions simples.</translation>
    </message>
    <message>
        <source>Condition coverage of modified and multiple conditions.</source>
        <translation>Couverture des conditions modifiées et multiples.</translation>
    </message>
    <message>
        <source>Condition coverage with forced evaluation.</source>
        <translation>Couverture des conditions avec évaluation forcée.</translation>
    </message>
    <message>
        <source>Instrumentation in pass mode, for C and C++.</source>
        <translation>Instrumentation en mode passage, pour C et C++.</translation>
    </message>
    <message>
        <source>Writes no option: a line without %1 and %2 is in pass mode.</source>
        <translation>N&apos;écrit aucune option&#xa0;: une ligne sans %1 ni %2 est en mode passage.</translation>
    </message>
    <message>
        <source>Instrumentation in count mode, for C and C++.</source>
        <translation>Instrumentation en mode comptage, pour C et C++.</translation>
    </message>
    <message>
        <source>Instrumentation in compact mode, for C and C++.</source>
        <translation>Instrumentation en mode compact, pour C et C++.</translation>
    </message>
    <message>
        <source>No function specific dump.</source>
        <translation>Aucun vidage par fonction.</translation>
    </message>
    <message>
        <source>Writes no dump option.</source>
        <translation>N&apos;écrit aucune option de vidage.</translation>
    </message>
    <message>
        <source>A dump before each call of the function named below, in C only.</source>
        <translation>Un vidage avant chaque appel de la fonction nommée ci-dessous, en C seulement.</translation>
    </message>
    <message>
        <source>A dump after each call of the function named below.</source>
        <translation>Un vidage après chaque appel de la fonction nommée ci-dessous.</translation>
    </message>
    <message>
        <source>A dump before the function named below returns.</source>
        <translation>Un vidage avant le retour de la fonction nommée ci-dessous.</translation>
    </message>
    <message>
        <source>Activates the runtime trace, for C and C++.</source>
        <translation>Active la trace d&apos;exécution, pour C et C++.</translation>
    </message>
    <message>
        <source>Activates memory profiling, for C and C++.</source>
        <translation>Active le profilage mémoire, pour C et C++.</translation>
    </message>
    <message>
        <source>Activates performance profiling, for C and C++.</source>
        <translation>Active le profilage des performances, pour C et C++.</translation>
    </message>
    <message>
        <source>Applies the Ada 83 restrictions, for Ada.</source>
        <translation>Applique les restrictions Ada 83, pour Ada.</translation>
    </message>
    <message>
        <source>Leaves ternary expressions out of the coverage, for C and C++.</source>
        <translation>Exclut les expressions ternaires de la couverture, pour C et C++.</translation>
    </message>
</context>
<context>
    <name>Vimbracl caption</name>
    <message>
        <source>Choose a directory</source>
        <translation>Choisir un répertoire</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>Vimbracl message</name>
    <message>
        <source>Unable to create the file &quot;%1&quot;</source>
        <comment>%1 is the file name</comment>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Unable to write in the file &quot;%1&quot;</source>
        <comment>%1 is the file name</comment>
        <translation>Impossible d&apos;écrire dans le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Error in Command Line : no File</source>
        <translation>Erreur dans la ligne de commande&#xa0;: aucun fichier</translation>
    </message>
    <message>
        <source>Dump option : The name of the function is not provided.
For more informations, please refer to the Coverage reference manual.</source>
        <translation>Option de vidage&#xa0;: le nom de la fonction n&apos;est pas indiqué.
Pour plus d&apos;informations, consultez le manuel de référence de la couverture.</translation>
    </message>
    <message>
        <source>Unable to read the file &quot;%1&quot;</source>
        <comment>%1 is the file name</comment>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Error in Command Line : the file name &quot;%1&quot; is not valid in the system&apos;s character encoding</source>
        <comment>%1 is the file name, with the characters that cannot be shown replaced</comment>
        <translation>Erreur dans la ligne de commande&#xa0;: le nom de fichier «&#xa0;%1&#xa0;» n&apos;est pas valide dans le codage de caractères du système</translation>
    </message>
    <message>
        <source>Error in Command Line : the current directory cannot be found, so the relative file name &quot;%1&quot; cannot be used</source>
        <comment>%1 is the file name</comment>
        <translation>Erreur dans la ligne de commande&#xa0;: le répertoire courant est introuvable, le nom de fichier relatif «&#xa0;%1&#xa0;» ne peut donc pas être utilisé</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has been changed by another program since it was read.
Overwrite it?</source>
        <comment>%1 is the file name</comment>
        <translation>Le fichier «&#xa0;%1&#xa0;» a été modifié par un autre programme depuis sa lecture.
Faut-il l&apos;écraser&#xa0;?</translation>
    </message>
    <message>
        <source>A save of &quot;%1&quot; was interrupted. Its previous content is in &quot;%2&quot;.</source>
        <comment>%1 is the file name, %2 the name of the copy of its previous content</comment>
        <translation>Un enregistrement de «&#xa0;%1&#xa0;» a été interrompu. Son contenu précédent se trouve dans «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Now in the file: %1
To be written: %2</source>
        <comment>%1 and %2 are the first lines of the file</comment>
        <translation>Dans le fichier maintenant&#xa0;: %1
À écrire&#xa0;: %2</translation>
    </message>
    <message>
        <source>No: the file is left as it is.</source>
        <translation>Non&#xa0;: le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Error in Command Line : %1</source>
        <translation>Erreur dans la ligne de commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting and its value, NAME=VALUE</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un réglage et sa valeur, NOM=VALEUR</translation>
    </message>
    <message>
        <source>there is no setting &quot;%1&quot;; the settings are: %2</source>
        <comment>%2 lists the settings&apos; names</comment>
        <translation>il n’y a pas de réglage «&#xa0;%1&#xa0;»&#xa0;; les réglages sont&#xa0;: %2</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; cannot hold a line break</source>
        <translation>le réglage «&#xa0;%1&#xa0;» ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; cannot be &quot;%2&quot;; its values are: %3</source>
        <comment>%3 lists the setting&apos;s values</comment>
        <translation>le réglage «&#xa0;%1&#xa0;» ne peut pas valoir «&#xa0;%2&#xa0;»&#xa0;; ses valeurs sont&#xa0;: %3</translation>
    </message>
    <message>
        <source>--show takes one file, not &quot;%1&quot; too</source>
        <translation>--show prend un seul fichier, pas aussi «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--set needs NAME=VALUE, --on or --off before the file</source>
        <translation>--set demande NOM=VALEUR, --on ou --off avant le fichier</translation>
    </message>
    <message>
        <source>--show changes nothing: it takes no --set, --on or --off</source>
        <translation>--show ne change rien&#xa0;: il ne prend ni --set, ni --on, ni --off</translation>
    </message>
    <message>
        <source>Try &quot;vimbracl --help&quot;.</source>
        <translation>Essayez «&#xa0;vimbracl --help&#xa0;».</translation>
    </message>
</context>
</TS>
