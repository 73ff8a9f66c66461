VERSION 69
"UTF-8";charset
"Molvanth";Spiel
36;Basis
1234;Runde
PARTEI 146
"Die PARTEI Nord";Parteiname
"nord@example.org";email
"Für die PARTEI und die REGION ";banner
70;Rekrutierungskosten
GRUPPE 4
"Zur BATTLE Zone";name
ALLIANZ 9
"Die PARTEI Süd";Parteiname
27;Status
PARTEI 9
"Die PARTEI Süd";Parteiname
"sued@example.org";email
REGION 0 0
"Gusras";Name
"Wald";Terrain
4004;Bauern
RESOURCE 1
"Bäume";type
500;number
RESOURCE 2
"Schößlinge";type
100;number
RESOURCE 3
"Eisen";type
1;skill
40;number
PREISE
8;Balsam
BURG 10
"Burg";Typ
"REGIONALBURG";Name
5;Groesse
1;Besitzer
SCHIFF 20
"SCHIFFBRUCH";Name
"Boot";Typ
2;Kapitaen
146;Partei
30;cargo
50;capacity
EINHEIT 1
"Burgherr";Name
146;Partei
1;Anzahl
10;Burg
"Orks";Typ
COMMANDS
"ARBEITE"
EINHEIT 2
"Kapitän der EINHEIT";Name
146;Partei
1;Anzahl
20;Schiff
"Orks";Typ
50;Silber
COMMANDS
"ARBEITE"
GEGENSTAENDE
5;Holz
ZAUBER 100
"Feuerball";name
5;level
KOMPONENTEN
1;Aura
TRANK 7
"Heiltrank";Name
ZUTATEN
"Alraune"
MESSAGETYPE 12
"\"$unit($unit) wartet.\"";text
TRANSLATION
"Silber";Silber
