<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="kinds" tilewidth="20" tileheight="20" tilecount="10" columns="10">
 <image source="kinds.png" width="200" height="20"/>
 <tile id="0">
  <properties>
   <property name="kind" type="int" value="0"/>
  </properties>
 </tile>
 <tile id="1">
  <properties>
   <property name="kind" type="int" value="1"/>
  </properties>
 </tile>
 <tile id="2">
  <properties>
   <property name="kind" type="int" value="2"/>
  </properties>
 </tile>
 <tile id="3">
  <properties>
   <property name="kind" type="int" value="3"/>
  </properties>
 </tile>
 <tile id="4">
  <properties>
   <property name="kind" type="int" value="4"/>
  </properties>
 </tile>
 <tile id="5">
  <properties>
   <property name="kind" type="int" value="5"/>
  </properties>
 </tile>
 <tile id="6">
  <properties>
   <property name="kind" type="int" value="6"/>
  </properties>
 </tile>
 <tile id="7">
  <properties>
   <property name="kind" type="int" value="7"/>
  </properties>
 </tile>
 <tile id="8">
  <properties>
   <property name="kind" type="int" value="8"/>
  </properties>
 </tile>
 <tile id="9">
  <properties>
   <property name="revealed" type="int" value="1"/>
  </properties>
 </tile>
</tileset>
