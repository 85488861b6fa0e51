--Description: 
--A drowned marsh.
--Held by the Lantern.

@2 landname
"Mirefield"
"Reedholm"
#population 4000
#poptype 1 --Marsh Folk
#killfeatures
#feature "Glimmering Fen"
@2 knownfeature
"Ashen Forge"
--no site

#god 5 12 --Wrenna the Lantern -- Brinehold
#comname "Wrenna"
#additem "Emberbrand"
#bodyguards 2 11 --Kölnar Captain
@2 units
12 10 --Mossguard Spearman
3 14 --Hollow Shade

