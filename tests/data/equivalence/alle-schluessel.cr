VERSION 45
"Molvanth";Spiel
36;Basis
1;Umlaute
450;Runde
PARTEI 757
120;Punkte
80;Punktedurchschnitt
50;Rekrutierungskosten
"Testvolk";Parteiname
"pw";Passwort
EINKOMMEN
"Hans (1) verdient 10 Silber."
BATTLE 1 2
MESSAGE 1
"Kampf!";rendered
1185902130;type
MESSAGE 2
"Einnahmen";rendered
771334452;type
30;amount
ALLIANZ 100
"Freunde";Parteiname
27;Status
PARTEI 100
"Freunde";Parteiname
"f@example.org";email
REGION 1 2
"Testland";Name
"Ebene";Terrain
100;Baeume
2;Mallorn
3;Laen
4;Eisen
500;Bauern
1000;Silber
10;Pferde
0;Strasse
30;Unterh
12;Rekruten
5;maxLuxus
12;Lohn
PREISE
10;Balsam
20;Gewürz
30;Juwel
40;Myrrhe
50;Öl
60;Seide
70;Weihrauch
RESOURCE 1
"Eisen";type
40;number
RESOURCE 2
"Bäume";type
90;number
GRENZE 1
"Straße";typ
1;richtung
100;prozent
BURG 10
"Burg";Typ
"Feste";Name
50;Groesse
9001;Besitzer
757;Partei
0;Unterhalt
0;Belagerer
SCHIFF 20
"Kahn";Name
"Langboot";Typ
25;Groesse
10;Schaden
1;Kueste
9001;Kapitaen
757;Partei
0;Ladung
100;MaxLadung
EINHEIT 9001
"Anna";Name
757;Partei
5;Anzahl
100;Silber
10;Burg
2;Kampfstatus
COMMANDS
"ARBEITE"
TALENTE
30 2;Hiebwaffen
GEGENSTAENDE
3;Schwert
EINHEIT 9002
"Bert";Name
100;Partei
1;Anzahl
20;Schiff
MESSAGETYPE 1
