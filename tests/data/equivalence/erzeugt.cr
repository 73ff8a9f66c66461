VERSION 45
"Molvanth";Spiel
"Standard";Konfiguration
"Hex";Koordinaten
36;Basis
1;Umlaute
450;Runde
PARTEI 757
"de";locale
18611;Punkte
75606;Punktedurchschnitt
"Menschen";Typ
75;Rekrutierungskosten
3;Anzahl Immigranten
32;Max. Immigranten
"Die Lastträger";Parteiname
"geheim01";Passwort
"spieler@example.org";email
EREIGNISSE
"Falzeze (75j) meldet Ereignis 0."
"Dorragar (1a8b) meldet Ereignis 1."
"Garwenel (m07) meldet Ereignis 2."
"Ragarka (1471) meldet Ereignis 3."
"Elosze (zg) meldet Ereignis 4."
"Burgardor (nwo) meldet Ereignis 5."
"Osrarik (wvi) meldet Ereignis 6."
"Kakaka (1ugp) meldet Ereignis 7."
"Thikarik (13bp) meldet Ereignis 8."
"Wenlinel (3pi) meldet Ereignis 9."
"Thilinze (1922) meldet Ereignis 10."
"Garthilin (zqf) meldet Ereignis 11."
"Linwenlin (1b95) meldet Ereignis 12."
"Dorrikka (16v1) meldet Ereignis 13."
"Falrikthi (1tqa) meldet Ereignis 14."
"Ramowen (uqw) meldet Ereignis 15."
"Raburun (1ff4) meldet Ereignis 16."
"Rikelthi (1wka) meldet Ereignis 17."
"Lindordor (1o73) meldet Ereignis 18."
"Rikgarfal (1fvg) meldet Ereignis 19."
"Elosfal (49h) meldet Ereignis 20."
"Garlinbur (15nq) meldet Ereignis 21."
"Elwenmo (11wf) meldet Ereignis 22."
"Thirikbur (1wzi) meldet Ereignis 23."
"Burunra (195z) meldet Ereignis 24."
"Wenthira (hbs) meldet Ereignis 25."
"Thifalel (128t) meldet Ereignis 26."
"Garburka (1c8i) meldet Ereignis 27."
"Kadorbur (1qy8) meldet Ereignis 28."
"Ososel (1u80) meldet Ereignis 29."
"Momothi (nq1) meldet Ereignis 30."
"Kazelin (1jcg) meldet Ereignis 31."
"Rikfalthi (o93) meldet Ereignis 32."
"Elthiun (1n7g) meldet Ereignis 33."
"Ungarrik (s06) meldet Ereignis 34."
"Wenthios (1ck) meldet Ereignis 35."
"Elzefal (1glq) meldet Ereignis 36."
"Zemothi (1ljm) meldet Ereignis 37."
"Linelka (1dfe) meldet Ereignis 38."
"Falunos (1kua) meldet Ereignis 39."
HANDEL
"Linthiel (1dtc) meldet Ereignis 0."
"Falunel (zrt) meldet Ereignis 1."
"Kathithi (1rtu) meldet Ereignis 2."
"Zeosun (1b3u) meldet Ereignis 3."
"Oskaze (nzq) meldet Ereignis 4."
"Wenmothi (1nvq) meldet Ereignis 5."
"Mofalra (1ki0) meldet Ereignis 6."
"Zefalfal (ql9) meldet Ereignis 7."
"Kafalwen (7wa) meldet Ereignis 8."
"Rafalka (1al3) meldet Ereignis 9."
"Kazeze (t7l) meldet Ereignis 10."
"Lindorra (1rym) meldet Ereignis 11."
"Moundor (7sv) meldet Ereignis 12."
"Momodor (1i3w) meldet Ereignis 13."
"Mowendor (1ubt) meldet Ereignis 14."
"Burdorgar (xc5) meldet Ereignis 15."
"Gargarra (35t) meldet Ereignis 16."
"Dorelun (17ca) meldet Ereignis 17."
"Zelindor (brr) meldet Ereignis 18."
"Dorrikbur (1gd1) meldet Ereignis 19."
BEWEGUNGEN
"Linosel (2vk) meldet Ereignis 0."
"Linkael (fl1) meldet Ereignis 1."
"Kaburmo (19ue) meldet Ereignis 2."
"Burthiwen (17x7) meldet Ereignis 3."
"Thifallin (1skc) meldet Ereignis 4."
"Zeburthi (1ad9) meldet Ereignis 5."
"Linthiwen (3vj) meldet Ereignis 6."
"Elwenos (x9e) meldet Ereignis 7."
"Wenwenel (6pt) meldet Ereignis 8."
"Burdormo (m84) meldet Ereignis 9."
"Rikkador (7xa) meldet Ereignis 10."
"Falrador (uwb) meldet Ereignis 11."
"Burmoel (1lwn) meldet Ereignis 12."
"Dormoka (1lha) meldet Ereignis 13."
"Rikfalka (1oi1) meldet Ereignis 14."
"Fallinrik (1mg3) meldet Ereignis 15."
"Garmofal (1rrw) meldet Ereignis 16."
"Thikael (l1f) meldet Ereignis 17."
"Unralin (1mre) meldet Ereignis 18."
"Wenrikel (1ol1) meldet Ereignis 19."
"Lingarra (1w4g) meldet Ereignis 20."
"Eldorthi (1fbh) meldet Ereignis 21."
"Kaunos (15gl) meldet Ereignis 22."
"Rikdorka (gn9) meldet Ereignis 23."
"Linfalun (1lqu) meldet Ereignis 24."
"Zemoun (186l) meldet Ereignis 25."
"Lindorwen (ais) meldet Ereignis 26."
"Falelrik (1k5m) meldet Ereignis 27."
"Unrikrik (1it7) meldet Ereignis 28."
"Garzethi (oi2) meldet Ereignis 29."
MELDUNGEN
"Raburka (9c3) meldet Ereignis 0."
"Momomo (1j7c) meldet Ereignis 1."
"Lindorze (yde) meldet Ereignis 2."
"Osthifal (ql9) meldet Ereignis 3."
"Ununun (cai) meldet Ereignis 4."
"Dorlinfal (1put) meldet Ereignis 5."
"Zeburrik (1e7f) meldet Ereignis 6."
"Moosthi (bbf) meldet Ereignis 7."
"Unkael (869) meldet Ereignis 8."
"Elfalze (fo6) meldet Ereignis 9."
MESSAGE 100001
1242100855;type
"Ososze (z8y) in Rikelra (0,-2): Meldung 0.";rendered
59;amount
0 -2 0;region
MESSAGE 100002
432596433;type
"Radorun (nea) in Rikdoros (-2,0): Meldung 1.";rendered
290;amount
-2 0 0;region
MESSAGE 100003
432596433;type
"Dorraze (1b2g) in Kafaldor (-1,-2): Meldung 2.";rendered
460;amount
-1 -2 0;region
MESSAGE 100004
771334452;type
"Raelra (1wko) verdient in Falrikze (-1,0) 8 Silber.";rendered
8;amount
-1 0 0;region
MESSAGE 100005
771334452;type
"Oselmo (p09) verdient in Ragarmo (1,-2) 403 Silber.";rendered
403;amount
1 -2 0;region
MESSAGE 100006
704703128;type
"Falrael (guh) in Rikelze (1,-2) produziert 381 Holz.";rendered
381;amount
1 -2 0;region
MESSAGE 100007
432596433;type
"Burgarun (1kf1) in Ralinwen (-2,-1): Meldung 6.";rendered
130;amount
-2 -1 0;region
MESSAGE 100008
5281483;type
"Zerikdor (3j1) in Burosun (-2,-2): Meldung 7.";rendered
6;amount
-2 -2 0;region
MESSAGE 100009
430417415;type
"Rararik (wge) in Unosgar (0,-1): Meldung 8.";rendered
205;amount
0 -1 0;region
MESSAGE 100010
771334452;type
"Oszerik (mj9) verdient in Thifalbur (-2,-1) 402 Silber.";rendered
402;amount
-2 -1 0;region
MESSAGE 100011
430417415;type
"Mothilin (10ra) in Dorlinlin (0,0): Meldung 10.";rendered
133;amount
0 0 0;region
MESSAGE 100012
5281483;type
"Zegarra (t63) in Wenoswen (-1,-2): Meldung 11.";rendered
46;amount
-1 -2 0;region
MESSAGE 100013
5281483;type
"Dorkaun (149g) in Mounze (1,-2): Meldung 12.";rendered
495;amount
1 -2 0;region
MESSAGE 100014
1242100855;type
"Unrathi (ve9) in Ososze (-1,0): Meldung 13.";rendered
126;amount
-1 0 0;region
MESSAGE 100015
432596433;type
"Kazelin (pk5) in Elrador (-1,-2): Meldung 14.";rendered
113;amount
-1 -2 0;region
MESSAGE 100016
432596433;type
"Wenkador (8db) in Zezeun (-1,-2): Meldung 15.";rendered
12;amount
-1 -2 0;region
MESSAGE 100017
430417415;type
"Thizeze (gd4) in Unrathi (1,-1): Meldung 16.";rendered
52;amount
1 -1 0;region
MESSAGE 100018
704703128;type
"Momofal (ixk) in Falundor (0,-2) produziert 398 Holz.";rendered
398;amount
0 -2 0;region
MESSAGE 100019
771334452;type
"Rikosdor (1gsh) verdient in Moriklin (1,0) 428 Silber.";rendered
428;amount
1 0 0;region
MESSAGE 100020
771334452;type
"Unfalrik (3ze) verdient in Oszewen (-2,0) 400 Silber.";rendered
400;amount
-2 0 0;region
BATTLE 0 -1
MESSAGE 100021
1185902130;type
"Der Kampf wurde ausgelöst von Rikthifal (39u)";rendered
ALLIANZ 1037
"Burburlin";Parteiname
8;Status
ALLIANZ 1074
"Dorelthi";Parteiname
8;Status
PARTEI 757
"Kaburfal Wenlin";Parteiname
"f757@example.org";email
"Banner der Partei 757";banner
PARTEI 1037
"Dorzera Wengar";Parteiname
"f1037@example.org";email
"Banner der Partei 1037";banner
PARTEI 1074
"Zeelthi Dorthi";Parteiname
"f1074@example.org";email
REGION -2 -2
"Momodor";Name
"Sumpf";Terrain
"Eine Landschaft bei -2,-2.";Beschr
407;Baeume
4586;Bauern
144;Pferde
52570;Silber
705;Unterh
114;Rekruten
14;Lohn
PREISE
15;Balsam
52;Gewürz
117;Juwel
-6;Myrrhe
38;Öl
128;Seide
74;Weihrauch
RESOURCE 696686201
"Bäume";type
225;number
RESOURCE 336064958
"Steine";type
4;skill
352;number
RESOURCE 241658576
"Laen";type
4;skill
173;number
GRENZE 75028
"Straße";typ
5;richtung
40;prozent
EINHEIT 5001
"Dorburdor Falthi";Name
757;Partei
20;Anzahl
"Insekten";Typ
"Beschreibung der Einheit 5001";Beschr
5;Kampfstatus
4870;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
"GIB 3uy 10 Silber"
TALENTE
4200 7;Unterhaltung
GEGENSTAENDE
27;Gewürz
254;Schwert
202;Weihrauch
179;Hellebarde
197;Heiltrank
EINHEIT 5002
"Burkathi Raze";Name
757;Partei
35;Anzahl
"Halblinge";Typ
2;Kampfstatus
685;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
2100 2;Spionage
8400 8;Unterhaltung
GEGENSTAENDE
222;Flachwurz
204;Balsam
85;Silberbeutel
167;Eulenauge
EINHEIT 5003
"Garlinra Elos";Name
1074;Partei
59;Anzahl
"Meermenschen";Typ
5;Kampfstatus
2033;Silber
GEGENSTAENDE
11;Hellebarde
16;Seide
125;Holz
134;Schwert
106;Öl
89;Juwel
146;Weihrauch
EINHEIT 5004
"Dordoros Zedor";Name
757;Partei
13;Anzahl
"Trolle";Typ
1;Kampfstatus
4020;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
1560 4;Spionage
GEGENSTAENDE
7;Schwert
280;Kettenhemd
152;Silberbeutel
70;Pferd
39;Holz
257;Silbertruhe
192;Weihrauch
EINHEIT 5005
"Thiwenun Zethi";Name
1037;Partei
28;Anzahl
"Insekten";Typ
"Beschreibung der Einheit 5005";Beschr
3;Kampfstatus
2868;Silber
GEGENSTAENDE
293;Seide
253;Balsam
58;Plattenpanzer
194;Silberbeutel
196;Hellebarde
REGION -1 -2
"Thikador";Name
"Wald";Terrain
"Eine Landschaft bei -1,-2.";Beschr
203;Baeume
8421;Bauern
118;Pferde
78752;Silber
2117;Unterh
210;Rekruten
13;Lohn
PREISE
71;Balsam
36;Gewürz
108;Juwel
128;Myrrhe
43;Öl
85;Seide
127;Weihrauch
RESOURCE 417860202
"Bäume";type
297;number
RESOURCE 435136103
"Schößlinge";type
173;number
RESOURCE 787944809
"Steine";type
1;skill
253;number
GRENZE 756322
"Straße";typ
3;richtung
40;prozent
EINHEIT 5006
"Falzeos Kaun";Name
757;Partei
5;Anzahl
"Halblinge";Typ
3;Kampfstatus
4458;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
150 1;Handeln
750 5;Schiffbau
300 2;Taktik
1050 7;Segeln
GEGENSTAENDE
11;Elfenbogen
85;Juwel
EINHEIT 5007
"Raelwen Burdor";Name
757;Partei
45;Anzahl
"Halblinge";Typ
"Beschreibung der Einheit 5007";Beschr
1;Kampfstatus
2735;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
"GIB 3v4 10 Silber"
TALENTE
8100 6;Rüstungsbau
GEGENSTAENDE
153;Speer
EINHEIT 5008
"Thidorun Osbur";Name
1074;Partei
53;Anzahl
"Orks";Typ
3;Kampfstatus
2126;Silber
GEGENSTAENDE
16;Kriegsaxt
207;Bogen
163;Armbrust
222;Laen
128;Eulenauge
138;Flachwurz
EINHEIT 5009
"Burmofal Osgar";Name
757;Partei
41;Anzahl
"Zwerge";Typ
2;Kampfstatus
1331;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
"GIB 3v6 10 Silber"
TALENTE
7380 6;Rüstungsbau
6150 5;Segeln
GEGENSTAENDE
157;Pferd
35;Kriegsaxt
55;Schwert
117;Elfenbogen
EINHEIT 5010
"Rikramo Kaka";Name
757;Partei
32;Anzahl
"Menschen";Typ
1;Kampfstatus
4050;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
2880 3;Unterhaltung
1920 2;Segeln
3840 4;Bergbau
6720 7;Waffenbau
3840 4;Handeln
7680 8;Bogenschießen
GEGENSTAENDE
237;Bogen
281;Silbertruhe
297;Kettenhemd
REGION 0 -2
"Lingarbur";Name
"Hochland";Terrain
"Eine Landschaft bei 0,-2.";Beschr
338;Baeume
4275;Bauern
127;Pferde
77806;Silber
454;Unterh
106;Rekruten
11;Lohn
PREISE
13;Balsam
4;Gewürz
-4;Juwel
-6;Myrrhe
115;Öl
74;Seide
91;Weihrauch
RESOURCE 210329147
"Schößlinge";type
205;number
RESOURCE 885003661
"Eisen";type
2;skill
16;number
RESOURCE 155883959
"Steine";type
5;skill
30;number
RESOURCE 272911527
"Laen";type
2;skill
41;number
GRENZE 63808
"Straße";typ
3;richtung
40;prozent
GRENZE 286881
"Straße";typ
5;richtung
100;prozent
EINHEIT 5011
"Dorwenfal Fallin";Name
757;Partei
48;Anzahl
"Trolle";Typ
5;Kampfstatus
2128;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
4320 3;Tarnung
8640 6;Hiebwaffen
GEGENSTAENDE
181;Eulenauge
EINHEIT 5012
"Burrikthi Elrik";Name
1074;Partei
13;Anzahl
"Elfen";Typ
5;Kampfstatus
592;Silber
GEGENSTAENDE
220;Speer
23;Pferd
28;Wagen
47;Stein
263;Schwert
EINHEIT 5013
"Unkamo Thika";Name
1037;Partei
7;Anzahl
"Trolle";Typ
3;Kampfstatus
3654;Silber
GEGENSTAENDE
269;Hellebarde
EINHEIT 5014
"Zeunra Dorka";Name
757;Partei
17;Anzahl
"Meermenschen";Typ
"Beschreibung der Einheit 5014";Beschr
2;Kampfstatus
1065;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
"GIB 3vb 10 Silber"
TALENTE
1020 2;Wagenbau
3570 7;Bogenschießen
2040 4;Waffenbau
2040 4;Holzfällen
GEGENSTAENDE
67;Öl
230;Silberbeutel
269;Balsam
287;Weihrauch
298;Myrrhe
267;Pferd
EINHEIT 5015
"Molinun Elthi";Name
1037;Partei
48;Anzahl
"Insekten";Typ
"Beschreibung der Einheit 5015";Beschr
2;Kampfstatus
531;Silber
GEGENSTAENDE
274;Kettenhemd
REGION 1 -2
"Ozean";Terrain
REGION -2 -1
"Dorunbur";Name
"Berge";Terrain
"Eine Landschaft bei -2,-1.";Beschr
513;Baeume
8571;Bauern
2;Pferde
68960;Silber
499;Unterh
214;Rekruten
11;Lohn
PREISE
74;Balsam
76;Gewürz
76;Juwel
139;Myrrhe
10;Öl
108;Seide
64;Weihrauch
RESOURCE 980202523
"Bäume";type
187;number
GRENZE 549152
"Straße";typ
2;richtung
100;prozent
EINHEIT 5016
"Wenunel Dorgar";Name
757;Partei
52;Anzahl
"Insekten";Typ
1;Kampfstatus
1;bewacht
2049;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
1560 1;Armbrustschießen
3120 2;Bogenschießen
7800 5;Taktik
3120 2;Spionage
6240 4;Reiten
GEGENSTAENDE
112;Flachwurz
89;Eisen
EINHEIT 5017
"Osunrik Falgar";Name
1037;Partei
2;Anzahl
"Halblinge";Typ
"Beschreibung der Einheit 5017";Beschr
1;Kampfstatus
1926;Silber
GEGENSTAENDE
132;Juwel
209;Elfenbogen
104;Schild
5;Seide
273;Schwert
195;Myrrhe
264;Eisen
EINHEIT 5018
"Osrikthi Zeos";Name
757;Partei
26;Anzahl
"Meermenschen";Typ
"Beschreibung der Einheit 5018";Beschr
3;Kampfstatus
1;bewacht
2452;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
3900 5;Ausdauer
5460 7;Kräuterkunde
5460 7;Bogenschießen
3900 5;Holzfällen
6240 8;Magie
3900 5;Bergbau
GEGENSTAENDE
218;Weihrauch
290;Wagen
19;Seide
189;Heiltrank
216;Speer
206;Armbrust
145;Mallorn
10;Holz
EINHEIT 5019
"Kaeldor Gardor";Name
757;Partei
55;Anzahl
"Insekten";Typ
3;Kampfstatus
3182;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
9900 6;Schiffbau
GEGENSTAENDE
134;Holz
189;Speer
66;Silbertruhe
EINHEIT 5020
"Dorthidor Burel";Name
1037;Partei
27;Anzahl
"Halblinge";Typ
3;Kampfstatus
4025;Silber
GEGENSTAENDE
118;Kriegsaxt
14;Gewürz
53;Eisen
130;Silbertruhe
80;Wagen
246;Schwert
51;Heiltrank
REGION -1 -1
"Wenburmo";Name
"Hochland";Terrain
"Eine Landschaft bei -1,-1.";Beschr
91;Baeume
99;Bauern
109;Pferde
80201;Silber
208;Unterh
2;Rekruten
14;Lohn
PREISE
48;Balsam
129;Gewürz
101;Juwel
81;Myrrhe
5;Öl
19;Seide
134;Weihrauch
GRENZE 224626
"Straße";typ
3;richtung
40;prozent
EINHEIT 5021
"Elraos Falgar";Name
1037;Partei
58;Anzahl
"Elfen";Typ
"Beschreibung der Einheit 5021";Beschr
4;Kampfstatus
1648;Silber
GEGENSTAENDE
275;Öl
148;Armbrust
253;Gewürz
EINHEIT 5022
"Linzeze Osun";Name
1074;Partei
59;Anzahl
"Trolle";Typ
"Beschreibung der Einheit 5022";Beschr
5;Kampfstatus
2191;Silber
GEGENSTAENDE
226;Seide
EINHEIT 5023
"Falralin Thidor";Name
757;Partei
58;Anzahl
"Halblinge";Typ
3;Kampfstatus
2099;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
"GIB 3vk 10 Silber"
TALENTE
5220 3;Steuereintreiben
12180 7;Unterhaltung
8700 5;Hiebwaffen
8700 5;Kräuterkunde
13920 8;Magie
GEGENSTAENDE
174;Myrrhe
91;Schwert
93;Schild
298;Laen
231;Bogen
EINHEIT 5024
"Unthibur Mowen";Name
757;Partei
33;Anzahl
"Orks";Typ
3;Kampfstatus
969;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
"GIB 3vl 10 Silber"
TALENTE
3960 4;Rüstungsbau
1980 2;Handeln
GEGENSTAENDE
89;Weihrauch
EINHEIT 5025
"Linthios Wenrik";Name
757;Partei
37;Anzahl
"Halblinge";Typ
0;Kampfstatus
2501;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
4440 4;Stangenwaffen
5550 5;Burgenbau
GEGENSTAENDE
63;Armbrust
169;Laen
178;Hellebarde
72;Öl
59;Balsam
129;Holz
REGION 0 -1
"Ozean";Terrain
REGION 1 -1
"Ozean";Terrain
REGION -2 0
"Ozean";Terrain
DURCHREISE
"Radorun (py6)"
REGION -1 0
"Unkara";Name
"Ebene";Terrain
"Eine Landschaft bei -1,0.";Beschr
408;Baeume
2327;Bauern
95;Pferde
83673;Silber
2831;Unterh
58;Rekruten
11;Lohn
PREISE
17;Balsam
77;Gewürz
63;Juwel
-5;Myrrhe
124;Öl
75;Seide
21;Weihrauch
RESOURCE 862818986
"Bäume";type
329;number
RESOURCE 995610677
"Eisen";type
3;skill
208;number
RESOURCE 619166793
"Steine";type
5;skill
372;number
RESOURCE 606062809
"Laen";type
4;skill
275;number
GRENZE 629242
"Straße";typ
4;richtung
40;prozent
GRENZE 252268
"Straße";typ
5;richtung
100;prozent
EINHEIT 5026
"Dorthidor Garmo";Name
757;Partei
35;Anzahl
"Meermenschen";Typ
5;Kampfstatus
4458;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
1050 1;Wagenbau
5250 5;Burgenbau
8400 8;Magie
3150 3;Waffenbau
3150 3;Alchemie
GEGENSTAENDE
111;Elfenbogen
248;Eulenauge
172;Silbertruhe
EINHEIT 5027
"Momofal Zeel";Name
757;Partei
19;Anzahl
"Trolle";Typ
4;Kampfstatus
2419;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
3990 7;Unterhaltung
1140 2;Ausdauer
4560 8;Kräuterkunde
570 1;Spionage
3990 7;Steuereintreiben
3990 7;Armbrustschießen
GEGENSTAENDE
242;Gewürz
20;Balsam
1;Laen
22;Juwel
57;Stein
72;Pferd
EINHEIT 5028
"Dorzeos Rikwen";Name
1037;Partei
36;Anzahl
"Insekten";Typ
5;Kampfstatus
1964;Silber
GEGENSTAENDE
82;Seide
60;Schild
EINHEIT 5029
"Elrikbur Undor";Name
1074;Partei
21;Anzahl
"Menschen";Typ
3;Kampfstatus
2407;Silber
GEGENSTAENDE
266;Juwel
74;Silberbeutel
29;Kriegsaxt
175;Bogen
59;Mallorn
263;Laen
EINHEIT 5030
"Wengarrik Unze";Name
757;Partei
42;Anzahl
"Elfen";Typ
0;Kampfstatus
1713;Silber
COMMANDS
"LERNE Hiebwaffen"
"; Kommentar"
TALENTE
5040 4;Straßenbau
2520 2;Rüstungsbau
GEGENSTAENDE
242;Elfenbogen
190;Bogen
253;Silberbeutel
100;Eulenauge
222;Juwel
226;Hellebarde
REGION 0 0
"Ozean";Terrain
REGION 1 0
"Ozean";Terrain
MESSAGETYPE 771334452
"Einkommen";section
