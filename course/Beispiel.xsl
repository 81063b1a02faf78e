Grundwortschatz\Alltagsverben.asc
Grundwortschatz\Familie.asc
Reisevokabular\Am Flughafen.asc
